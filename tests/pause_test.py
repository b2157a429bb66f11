#!/usr/bin/env python3
# The pause on a pseudo-terminal, as a person and a job-control shell meet it.
# A small shell of the test's own runs the program as its foreground job, takes
# each named scenario's steps once the prompt is shown (or the program ends),
# and compares what they saw: the output, the exit status (negative for the
# signal that ended the run), the bytes left unread for the shell, and the
# terminal's settings. Under Wine, which makes the terminal the console, the
# command processor's pause does the waiting.
import contextlib
import fcntl
import os
import pty
import resource
import select
import signal
import sys
import tempfile
import termios
import time

ARGUMENTS = [argument for argument in sys.argv[1:] if argument]  # CTest passes an empty option on
INSTRUMENTED = ARGUMENTS[0] == "--instrumented"
COMMAND = ARGUMENTS[INSTRUMENTED:-1] + [os.path.abspath(ARGUMENTS[-1])]
WINE = COMMAND[-1].endswith(".exe")
REPORT = b"elementu kiekis  2\r\n2 1 \r\nPradinis masyvas: 2 1 \r\nSurusiuotas masyvas: 1 2 \r\n"
PROMPT = b"Press any key to continue..." if WINE else b"Press any key to continue . . . "
SENT = b"<typed>"


class Job:
    # The program as the shell's job; the shell holds the terminal's other end.
    def __init__(self, pid, leader, terminal, output, before):
        self.pid, self.leader, self.terminal, self.output, self.before, self.shown = \
            pid, leader, terminal, output, before, b""
        self.own = self.before[:3] + [self.before[3] & ~(termios.ICANON | termios.ECHO)]  # a line editor's

    def read(self, until=b""):
        # What the program wrote, until `until` and then 0.1 s of quiet.
        while select.select([self.output], [], [], 10 if until not in self.shown else 0.1)[0]:
            if not (more := os.read(self.output, 4096)):
                break
            self.shown += more
        return self.shown

    def status(self):
        # How the job ended, or what stopped it; one that hangs times the scenario out.
        status = os.waitpid(self.pid, os.WUNTRACED)[1]
        return f"stopped by {signal.Signals(os.WSTOPSIG(status)).name}" if os.WIFSTOPPED(status) \
            else os.waitstatus_to_exitcode(status)

    def settings(self):
        now = termios.tcgetattr(self.terminal)
        return "as before" if now == self.before else "the shell's" if now[:4] == self.own else "raw"

    def unread(self):
        return int.from_bytes(fcntl.ioctl(self.terminal, termios.FIONREAD, bytes(4)), sys.byteorder)

    def ended(self):
        status = self.status()
        return status, self.read(), self.unread() if self.output == self.leader else None, self.settings()


def shell(leader, terminal, steps, output=None, stdin=None, controlling=True, ignored=None):
    # A shell of the test's own, the leader of a session of its own, runs the job.
    os.setsid()
    if controlling:
        fcntl.ioctl(terminal, termios.TIOCSCTTY, 0)
    for number in (signal.SIGTTOU, signal.SIGHUP):  # it hands the terminal on, and outlives a hang-up
        signal.signal(number, signal.SIG_IGN)
    before = termios.tcgetattr(terminal)
    reader, writer = {"pipe": os.pipe, "other terminal": pty.openpty}.get(output, lambda: (leader, terminal))()
    if (job := os.fork()) == 0:
        try:
            os.setpgid(0, 0)
            if controlling:
                os.tcsetpgrp(terminal, os.getpid())
            for number in (signal.SIGTTOU, signal.SIGHUP, signal.SIGPIPE):  # as shells leave them
                signal.signal(number, signal.SIG_IGN if number == ignored else signal.SIG_DFL)
            resource.setrlimit(resource.RLIMIT_CORE, (0, 0))
            for fd, to in ((0, os.open(os.devnull, os.O_RDONLY) if stdin else terminal), (1, writer), (2, terminal)):
                os.dup2(to, fd)
            os.execvp(COMMAND[0], COMMAND)
        finally:
            os._exit(127)  # the program could not be started
    signal.signal(signal.SIGALRM, lambda *_: sys.exit("timed out"))
    signal.alarm(30)
    running = Job(job, leader, terminal, reader, before)
    try:
        if steps[0] not in (Job.ended, prompt_shown):
            running.read(PROMPT)
        return [seen for step in steps if (seen := step(running)) is not None]
    finally:
        with contextlib.suppress(ProcessLookupError):  # a scenario that fails ends its job
            os.killpg(job, signal.SIGKILL)


def run(steps, data="2 2 1", nonblocking=False, **options):
    # What the scenario saw, the shell running it in a process of its own.
    leader, terminal = pty.openpty()
    if nonblocking:  # and with a minimum for raw reads that one key does not meet
        fcntl.fcntl(terminal, fcntl.F_SETFL, fcntl.fcntl(terminal, fcntl.F_GETFL) | os.O_NONBLOCK)
        settings = termios.tcgetattr(terminal)
        settings[6][termios.VMIN] = 4
        termios.tcsetattr(terminal, termios.TCSANOW, settings)
    reader, writer = os.pipe()
    with tempfile.TemporaryDirectory() as work:
        os.chdir(work)
        if data is not None:
            with open("duomenys.txt", "w", encoding="ascii") as file:
                file.write(data)
        if os.fork() == 0:
            try:
                seen = repr(shell(leader, terminal, steps, **options))
            except BaseException as error:  # pylint: disable=broad-except
                seen = repr(error)
            os.write(writer, seen.encode())
            os._exit(0)
        for fd in (writer, leader, terminal):
            os.close(fd)
        with os.fdopen(reader) as seen:
            got = seen.read()
        os.wait()
        os.chdir("/")
    return got


# The shell's steps; what a step returns is what the scenario saw.
def press(keys):
    def step(job):
        job.shown += SENT
        os.write(job.leader, keys)
    return step


def send(*names):
    def step(job):
        for name in names:
            os.kill(job.pid, signal.Signals["SIG" + name])
        time.sleep(0.1)  # for the job to act on it
    return step


def stopped(job):
    # The shell takes the terminal back, with modes of its own, and a line is typed for it.
    seen = job.status(), job.settings()
    os.tcsetpgrp(job.terminal, os.getpgrp())
    termios.tcsetattr(job.terminal, termios.TCSANOW, job.own + termios.tcgetattr(job.terminal)[4:])
    os.write(job.leader, b"ls\n")
    while job.unread() < 3:  # until the terminal has taken it in
        time.sleep(0.01)
    return seen


def fg(job):
    os.tcsetpgrp(job.terminal, job.pid)
    os.kill(job.pid, signal.SIGCONT)


def paste(job):
    job.shown += SENT
    for piece in range(16):  # 8 KiB in pieces of 512 bytes, 1 ms apart
        os.write(job.leader, b"%511d\n" % piece)
        time.sleep(0.001)


def hang_up(job):
    os.close(job.leader)
    os.kill(job.pid, signal.SIGHUP)  # as a shell passes the hang-up on to its jobs


def prompted(job):
    # Whether the prompt came before the key.
    press(b"x")(job)
    return PROMPT in job.shown.split(SENT)[0], job.status()


def prompt_shown(job):
    status = job.status()
    return PROMPT in job.read(), status


KEY = [(0, REPORT + PROMPT + SENT + b"\r\n", 0, "as before")]
if WINE:  # whose console writes control sequences of its own to the terminal
    scenarios = {"a key after the report": ([prompted], {}, [(True, 0)]),
                 "a key after a data error": ([prompted], {"data": "2 2"}, [(True, 1)]),
                 "no data file": ([prompt_shown], {"data": None}, [(False, 1)]),
                 "input from /dev/null": ([prompt_shown], {"stdin": "null"}, [(False, 0)]),
                 "output to a pipe": ([Job.ended], {"output": "pipe"}, [(0, REPORT, None, "as before")])}
else:
    LEFT_TO_THE_SHELL = (0, REPORT + PROMPT, 3, "the shell's")  # its line unread, its modes kept
    KILLED = (-signal.SIGTERM, REPORT + PROMPT, 3, "the shell's")
    scenarios = {
        "no data file": ([Job.ended], {"data": None}, [(1, b"Nera pradinio failo", 0, "as before")]),
        "a data error": ([press(b"x"), Job.ended], {"data": "2 2"},
                         [(1, b"Nepavyko nuskaityti elemento nr. 2 is 2\r\n" + PROMPT + SENT + b"\r\n", 0, "as before")]),
        "input from /dev/null": ([Job.ended], {"stdin": "null"}, [(0, REPORT, 0, "as before")]),
        "output to a pipe": ([Job.ended], {"output": "pipe"}, [(0, REPORT.replace(b"\r", b""), None, "as before")]),
        "output to another terminal": ([Job.ended], {"output": "other terminal"}, [(0, REPORT, None, "as before")]),
        "started by setsid": ([Job.ended], {"controlling": False}, [(0, REPORT, 0, "as before")]),
        "a non-blocking terminal": ([press(b"x"), Job.ended], {"nonblocking": True}, KEY),
        "a paste of 8 KiB in pieces": ([paste, Job.ended], {}, KEY),
        "SIGSTOP, then bg": ([send("STOP"), stopped, send("CONT"), Job.ended], {},
                             [("stopped by SIGSTOP", "raw"), LEFT_TO_THE_SHELL]),
        "SIGSTOP, then kill %1": ([send("STOP"), stopped, send("TERM", "CONT"), Job.ended], {},
                                  [("stopped by SIGSTOP", "raw"), KILLED]),
        "SIGTSTP, then kill %1 and fg": ([send("TSTP"), stopped, send("TERM"), fg, Job.ended], {},
                                         [("stopped by SIGTSTP", "as before"), KILLED]),
        "SIGTSTP and bg under a parent that ignores SIGTTOU": ([send("TSTP"), stopped, send("CONT"), Job.ended],
                                                               {"ignored": signal.SIGTTOU},
                                                               [("stopped by SIGTSTP", "as before"), LEFT_TO_THE_SHELL]),
        "a hang-up under a parent that ignores SIGHUP": ([hang_up, Job.status], {"ignored": signal.SIGHUP}, [1]),
    }
    for key in (b"x", b"\x03", b"\x1a", b"\x1c", b"\x13", b"\x1b[A"):
        scenarios[f"the key {key!r}"] = ([press(key), Job.ended], {}, KEY)
    for name in ("TSTP", "TTIN", "TTOU"):
        for then, step in (("bg", send("CONT")), ("fg", fg)):
            scenarios[f"SIG{name}, then {then}"] = ([send(name), stopped, step, Job.ended], {},
                                                    [(f"stopped by SIG{name}", "as before"), LEFT_TO_THE_SHELL])
    for name in ("TERM", "HUP", "INT", "QUIT", "ALRM", "USR1"):
        scenarios[f"SIG{name}"] = ([send(name), Job.ended], {},
                                   [(-signal.Signals["SIG" + name], REPORT + PROMPT, 0, "as before")])
    for name in ("WINCH", "CONT", "CHLD", "URG"):
        scenarios[f"SIG{name}, then a key"] = ([send(name), Job.settings, press(b"x"), Job.ended], {}, ["raw"] + KEY)
    if not INSTRUMENTED:  # their runtime needs file descriptors to end a run
        scenarios["out of file descriptors"] = (
            [lambda job: resource.prlimit(job.pid, resource.RLIMIT_NOFILE, (0, 0)) and None, send("CONT"), Job.ended],
            {}, [(0, REPORT + PROMPT, 0, "as before")])

failures = [f"{name}:\n  expected {expected!r}\n  got      {got}" for name, (steps, options, expected)
            in scenarios.items() if (got := run(steps, **options)) != repr(expected)]
sys.exit("\n".join(failures) or None)
