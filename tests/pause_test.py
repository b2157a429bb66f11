#!/usr/bin/env python3
# The pause on a pseudo-terminal, as a person at the console meets it.
#
# A small shell of the test's own, in a session of its own on the terminal, runs
# the program as its foreground job, as a job-control shell does. The program
# pauses only with the terminal on both sides and itself in its foreground:
# after the report, and after a data error's message. One key, or a paste that
# arrives in pieces, is taken whole and unechoed and ends the run, nothing of it
# left for the shell.
#
# On Linux the terminal's settings are as they were after the run, after a
# signal that ends it, and while it is stopped by SIGTSTP, SIGTTIN or SIGTTOU.
# Continued in the background it touches nothing and reads nothing: the kernel
# stops it again. Brought back, it waits raw for its key. A terminal that hangs
# up, or that could not be restored, ends the run with status 1.
#
# Under Wine, which makes the terminal the console, the command processor's own
# pause does the waiting; with output to a file or a pipe, or input from
# /dev/null, there is neither a prompt nor a wait, and the output is exactly the
# report.
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
REPORT = b"elementu kiekis  2\n2 1 \nPradinis masyvas: 2 1 \nSurusiuotas masyvas: 1 2 \n"
ERROR = b"Nepavyko nuskaityti elemento nr. 2 is 2\n"
PROMPT = b"Press any key to continue..." if WINE else b"Press any key to continue . . . "
SENT = b"<key sent>"


class Job:
    # The program as the shell's job; the shell holds the terminal's other end.

    def __init__(self, pid, leader, terminal, output, before):
        self.pid, self.leader, self.terminal, self.output, self.before = pid, leader, terminal, output, before
        self.shown, self.ended = b"", False

    def read(self, until=b""):
        # What the program wrote, until `until` and then 0.1 s of quiet.
        while select.select([self.leader], [], [], 10 if until not in self.shown else 0.1)[0]:
            self.shown += os.read(self.leader, 4096)
        return self.shown

    def type(self, keys):
        self.shown += SENT
        os.write(self.leader, keys)

    def wait(self):
        # The exit status, minus the signal that ended it, or what stopped it.
        for _ in range(1000):
            pid, status = os.waitpid(self.pid, os.WNOHANG | os.WUNTRACED)
            if pid and os.WIFSTOPPED(status):
                return "stopped by " + signal.Signals(os.WSTOPSIG(status)).name
            if pid:
                self.ended = True
                return os.waitstatus_to_exitcode(status)
            time.sleep(0.01)
        return "did not end"

    def settings(self):
        return "as before" if termios.tcgetattr(self.terminal) == self.before else "changed"

    def unread(self):
        return int.from_bytes(fcntl.ioctl(self.terminal, termios.FIONREAD, bytes(4)), sys.byteorder)

    def ended_as(self):
        # How the run ended: its output, status, bytes left unread and settings.
        status = self.wait()
        return self.read(), status, self.unread(), self.settings()


def shell(work, leader, terminal, scenario, output, stdin, controlling, ignored):
    # A shell of the test's own, in a session of its own, runs the job.
    before = termios.tcgetattr(terminal)
    os.setsid()
    if controlling:
        fcntl.ioctl(terminal, termios.TIOCSCTTY, 0)
    for number in (signal.SIGTTOU, signal.SIGHUP):  # it hands the terminal on, and outlives a hang-up
        signal.signal(number, signal.SIG_IGN)
    reader, writer = os.pipe() if output == "pipe" else (leader, terminal)
    if output == "file":
        writer = os.open(os.path.join(work, "output"), os.O_WRONLY | os.O_CREAT)
        reader = os.open(os.path.join(work, "output"), os.O_RDONLY)
    job = os.fork()
    if job == 0:
        try:
            os.setpgid(0, 0)
            if controlling:
                os.tcsetpgrp(terminal, os.getpid())
            for number in (signal.SIGTTOU, signal.SIGHUP, signal.SIGPIPE, signal.SIGXFSZ):  # as shells leave them
                signal.signal(number, signal.SIG_IGN if number == ignored else signal.SIG_DFL)
            resource.setrlimit(resource.RLIMIT_CORE, (0, 0))
            os.dup2(os.open(os.devnull, os.O_RDONLY) if stdin == "null" else terminal, 0)
            os.dup2(writer, 1)
            os.dup2(terminal, 2)
            os.chdir(work)
            os.execvp(COMMAND[0], COMMAND)
        finally:
            os._exit(127)  # the program could not be started
    if output:
        os.close(writer)
    # A scenario that hangs fails, and its job ends with it.
    signal.signal(signal.SIGALRM, lambda *_: sys.exit("timed out"))
    signal.alarm(30)
    running = Job(job, leader, terminal, reader, before)
    try:
        return scenario(running)
    finally:
        if not running.ended:
            os.killpg(job, signal.SIGKILL)


def run(data, scenario, output=None, stdin=None, controlling=True, nonblocking=False, ignored=None):
    # What the scenario saw, the shell running it in a process of its own.
    leader, terminal = pty.openpty()
    if nonblocking:
        fcntl.fcntl(terminal, fcntl.F_SETFL, fcntl.fcntl(terminal, fcntl.F_GETFL) | os.O_NONBLOCK)
    reader, writer = os.pipe()
    with tempfile.TemporaryDirectory() as work:
        if data is not None:
            with open(os.path.join(work, "duomenys.txt"), "w", encoding="ascii") as file:
                file.write(data)
        if os.fork() == 0:
            try:
                seen = repr(shell(work, leader, terminal, scenario, output, stdin, controlling, ignored))
            except BaseException as error:  # pylint: disable=broad-except
                seen = repr(error)
            os.write(writer, seen.encode())
            os._exit(0)
        for fd in (writer, leader, terminal):
            os.close(fd)
        with os.fdopen(reader) as seen:
            got = seen.read()
        os.wait()
    return got


# Steps that the shell takes once the prompt is there; each returns what it saw.
def press(keys):
    return lambda job: job.type(keys)


def send(number):
    return lambda job: os.kill(job.pid, number)


def stop(number):
    # Stopped, the shell takes the terminal back, as shells do.
    def step(job):
        os.kill(job.pid, number)
        stopped = job.wait()
        os.tcsetpgrp(job.terminal, os.getpgrp())
        return stopped, job.settings()
    return step


def fg(job):
    os.tcsetpgrp(job.terminal, job.pid)
    os.kill(job.pid, signal.SIGCONT)


def raw_again(job):
    return any(time.sleep(0.01) or job.settings() == "changed" for _ in range(1000))


def background(job):
    # bg, with a line typed for the shell, which echoes it.
    os.write(job.leader, b"ls\n")
    job.read(b"ls\r\n")
    os.kill(job.pid, signal.SIGCONT)
    seen = job.wait(), job.settings(), job.unread()
    termios.tcflush(job.terminal, termios.TCIFLUSH)  # the shell takes its line
    return seen


def paste(job):
    job.shown += SENT
    for piece in range(128):  # 8 KiB in pieces of 64 bytes, 1 ms apart
        os.write(job.leader, b"%63d\n" % piece)
        time.sleep(0.001)


def out_of_descriptors(job):
    resource.prlimit(job.pid, resource.RLIMIT_NOFILE, (0, 0))


def hang_up(job):
    os.close(job.leader)


def after_prompt(*steps):
    def scenario(job):
        job.read(PROMPT)
        seen = [step(job) for step in steps]
        return (seen, job.ended_as()) if not job.ended else seen
    return scenario


def written(job):
    # Output sent to a file or a pipe, and the status.
    status = job.wait()
    return os.read(job.output, 4096), status, job.settings()


def prompted(job):
    # Whether the prompt came before the key, and the status.
    job.read(PROMPT)
    job.type(b"x")
    return PROMPT in job.shown.split(SENT)[0], job.wait()


def unprompted(job):
    status = job.wait()
    return PROMPT in job.read(), status


def on_terminal(text):
    return text.replace(b"\n", b"\r\n")


HUP = signal.SIGHUP
if WINE:
    checks = [(("2 2 1", prompted), (True, 0)),
              (("2 2", prompted), (True, 1)),
              ((None, unprompted), (False, 1)),
              (("2 2 1", unprompted, None, "null"), (False, 0)),
              (("2 2 1", written, "file"), (on_terminal(REPORT), 0, "as before")),
              (("2 2 1", written, "pipe"), (on_terminal(REPORT), 0, "as before"))]
else:
    WAITED = on_terminal(REPORT) + PROMPT + SENT + b"\r\n"
    AS_BEFORE = (WAITED, 0, 0, "as before")
    BACK = [("stopped by SIGTSTP", "as before"), None, True]
    checks = [(("2 2 1", written, "pipe"), (REPORT, 0, "as before")),
              (("2 2 1", Job.ended_as, None, "null"), (on_terminal(REPORT), 0, 0, "as before")),
              (("2 2 1", Job.ended_as, None, None, False), (on_terminal(REPORT), 0, 0, "as before")),
              ((None, Job.ended_as), (b"Nera pradinio failo", 1, 0, "as before")),
              (("2 2", after_prompt(press(b"x"))), ([None], (on_terminal(ERROR) + PROMPT + SENT + b"\r\n", 1, 0,
                                                             "as before"))),
              (("2 2 1", after_prompt(press(b"x")), None, None, True, True), ([None], AS_BEFORE)),
              (("2 2 1", after_prompt(send(HUP), press(b"x")), None, None, True, False, HUP), ([None, None], AS_BEFORE)),
              (("2 2 1", after_prompt(stop(signal.SIGTSTP), fg, raw_again, stop(signal.SIGTTIN), fg, raw_again,
                                      stop(signal.SIGTTOU), fg, raw_again, press(b"x"))),
               (BACK + [("stopped by SIGTTIN", "as before"), None, True, ("stopped by SIGTTOU", "as before"), None,
                        True, None], AS_BEFORE)),
              (("2 2 1", after_prompt(stop(signal.SIGTSTP), background, fg, raw_again, press(b"x"))),
               ([("stopped by SIGTSTP", "as before"), ("stopped by SIGTTOU", "as before", 3), None, True, None],
                (on_terminal(REPORT + PROMPT + b"ls\n") + SENT + b"\r\n", 0, 0, "as before"))),
              (("2 2 1", after_prompt(paste)), ([None], AS_BEFORE)),
              (("2 2 1", after_prompt(hang_up, Job.wait), None, None, True, False, HUP), [None, 1]),
              (("2 2 1", after_prompt(stop(signal.SIGTSTP), hang_up, send(signal.SIGCONT), Job.wait), None, None,
                True, False, HUP), [("stopped by SIGTSTP", "as before"), None, None, 1])]
    if not INSTRUMENTED:  # their runtime needs file descriptors to end a run
        checks.append((("2 2 1", after_prompt(out_of_descriptors, stop(signal.SIGTSTP), fg)),
                       ([None, ("stopped by SIGTSTP", "as before"), None],
                        (on_terminal(REPORT) + PROMPT + b"\r\n", 0, 0, "as before"))))
    for keys in (b"x", b"\x03", b"\x13", b"\x1b[A", b"a paste of forty bytes, no line end in it"):
        checks.append((("2 2 1", after_prompt(press(keys))), ([None], AS_BEFORE)))
    for name in ("TERM", "HUP", "INT", "QUIT", "USR1", "USR2", "ALRM", "PIPE", "XCPU", "XFSZ", "VTALRM", "PROF", "IO"):
        number = getattr(signal, "SIG" + name)
        checks.append((("2 2 1", after_prompt(send(number))), ([None], (on_terminal(REPORT) + PROMPT, -number, 0,
                                                                         "as before"))))
failures = [f"{args}:\n  expected {want!r}\n  got      {got}" for args, want in checks
            if (got := run(*args)) != repr(want)]
sys.exit("\n".join(failures) or None)
