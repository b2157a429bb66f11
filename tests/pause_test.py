#!/usr/bin/env python3
# The pause on a pseudo-terminal, as a person and a job-control shell meet it.
# A small shell of the test's own runs the program as its foreground job, takes
# each named scenario's steps once the prompt is shown (or the program ends),
# and compares what they saw: the output, the exit status (negative for the
# signal that ended the run), the bytes left unread for the shell, and the
# terminal's settings. Under Wine, which makes the terminal the console, the
# command processor's pause does the waiting.
import fcntl
import multiprocessing
import os
import pty
import resource
import select
import signal
import subprocess
import sys
import tempfile
import termios
import time

COMMAND = sys.argv[1:-1] + [os.path.abspath(sys.argv[-1])]  # the emulator, if any, and the program
WINE = COMMAND[-1].endswith(".exe")
REPORT = b"elementu kiekis  2\r\n2 1 \r\nPradinis masyvas: 2 1 \r\nSurusiuotas masyvas: 1 2 \r\n"
PROMPT = b"Press any key to continue..." if WINE else b"Press any key to continue . . . "
SENT = b"<typed>"


class Job:
    # The program as the shell's job; the shell holds the terminal's other end.
    def __init__(self, pid, leader, terminal, output, before):
        self.pid, self.leader, self.terminal, self.output, self.before = pid, leader, terminal, output, before
        self.shown = b""
        self.own = self.before[:3] + [self.before[3] & ~(termios.ICANON | termios.ECHO)]  # a line editor's

    def read(self, until=b""):
        # What the program wrote, until `until` and then 0.1 s of quiet.
        while select.select([self.output], [], [], 20 if until not in self.shown else 0.1)[0]:
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

    def ended(self):  # in this order: the output is all there once the job has ended
        return self.status(), self.read(), self.unread() if self.output == self.leader else None, self.settings()


def shell(steps, data="2 2 1", output=None, stdin=None, ignored=None, foreground=True, typed=b"", command=COMMAND):
    # A shell of the test's own, the leader of a session of its own, runs the job in a fresh folder, on a
    # terminal whose minimum for raw reads is more than one key; what was typed ahead has been echoed.
    leader, terminal = pty.openpty()
    os.setsid()
    fcntl.ioctl(terminal, termios.TIOCSCTTY, 0)
    before = termios.tcgetattr(terminal)
    before[6][termios.VMIN] = b"\x04"
    termios.tcsetattr(terminal, termios.TCSANOW, before)
    for number in (signal.SIGTTOU, signal.SIGHUP):  # it hands the terminal on, and outlives a hang-up
        signal.signal(number, signal.SIG_IGN)
    reader, writer = {"pipe": os.pipe, "other terminal": pty.openpty, "/dev/tty": lambda: (
        leader, os.open("/dev/tty", os.O_WRONLY))}.get(output, lambda: (leader, terminal))()
    stdin = {"null": lambda: subprocess.DEVNULL, "other terminal": lambda: pty.openpty()[1],
             "/dev/tty": lambda: os.open("/dev/tty", os.O_RDONLY)}.get(stdin, lambda: terminal)()
    os.write(leader, typed)
    for _ in typed.replace(b"\n", b"\r\n"):  # typed ahead once it is all echoed
        os.read(leader, 1)

    def as_a_job():  # in the foreground, with signals as shells leave them, whoever started the test
        if foreground:
            os.tcsetpgrp(terminal, os.getpid())
        for number in (signal.SIGTTOU, signal.SIGHUP, signal.SIGINT, signal.SIGQUIT):
            signal.signal(number, signal.SIG_IGN if number == ignored else signal.SIG_DFL)
        resource.setrlimit(resource.RLIMIT_CORE, (0, 0))
        resource.setrlimit(resource.RLIMIT_CPU, (10, 10))  # a job that spins does not outlive a failed scenario

    with tempfile.TemporaryDirectory() as work:
        if data is not None:
            with open(os.path.join(work, "duomenys.txt"), "w", encoding="ascii") as file:
                file.write(data)
        job = subprocess.Popen(command, stdin=stdin, stdout=writer,
                               stderr=terminal, cwd=work, process_group=0, preexec_fn=as_a_job)
        signal.signal(signal.SIGALRM, lambda *_: sys.exit("timed out"))
        signal.alarm(40)
        running = Job(job.pid, leader, terminal, reader, before)
        if steps[0] not in (Job.ended, prompt_seen):
            running.read(PROMPT)
        # A job a scenario leaves waiting ends as its terminal hangs up with the shell.
        return [seen for step in steps if (seen := step(running)) is not None]


def run(name):
    # What the scenario saw, in a process of its own.
    steps, _, options = (*scenarios[name], {})[:3]
    try:
        return repr(shell(steps, **options))
    except BaseException as error:  # pylint: disable=broad-except
        return repr(error)


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


def type_line(job):
    # A line typed for the shell, once the terminal has taken it in.
    os.write(job.leader, b"ls\n")
    while job.unread() < 3:
        time.sleep(0.01)


def stopped(modes=lambda job: job.own + termios.tcgetattr(job.terminal)[4:]):
    # The shell takes the terminal back, puts modes of its own on it (a line editor's, as bash and zsh do; with
    # None it leaves the job's, as dash, fish and sudo do), and a line is typed for it.
    def step(job):
        seen = job.status(), job.settings()
        os.tcsetpgrp(job.terminal, os.getpgrp())
        if modes:
            termios.tcsetattr(job.terminal, termios.TCSANOW, modes(job))
        type_line(job)
        return seen
    return step


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


def prompt_seen(job):
    # How the job ended, and whether its prompt came (before a key, if one was typed).
    return job.status(), PROMPT in job.read().split(SENT)[0]


def typed_after_key(job):
    # With the terminal's output held back, as by Ctrl-S, the program cannot end its line after the key; a line
    # typed meanwhile is discarded with the key.
    termios.tcflow(job.terminal, termios.TCOOFF)
    press(b"x")(job)
    time.sleep(0.5)  # well past the quiet that ends the key
    type_line(job)
    termios.tcflow(job.terminal, termios.TCOON)


# Each scenario: the shell's steps, what they must see, and how the job is started.
KEY = [(0, REPORT + PROMPT + SENT + b"\r\n", 0, "as before")]
if WINE:  # whose console writes control sequences of its own to the terminal
    scenarios = {"a key after the report": ([press(b"x"), prompt_seen], [(0, True)]),
                 "input from /dev/null": ([prompt_seen], [(0, False)], {"stdin": "null"}),
                 "output to a pipe": ([Job.ended], [(0, REPORT, None, "as before")], {"output": "pipe"})}
else:
    WAITING, BG = REPORT + PROMPT, send("CONT")
    LEFT = (0, WAITING, 3, "the shell's")  # its line unread, its modes kept
    # The job run by strace, which sends SIGCONT as the first ppoll begins; LeakSanitizer cannot run under it.
    TRACED = ["strace", "-o/dev/null", "-E", "ASAN_OPTIONS=detect_leaks=0", "-e", "inject=ppoll:signal=CONT:when=1"]
    STOPPED = {name: (f"stopped by SIG{name}", "raw" if name == "STOP" else "as before")
               for name in ("TSTP", "TTIN", "TTOU", "STOP")}
    scenarios = {
        "no data file": ([Job.ended], [(1, b"Nera pradinio failo", 0, "as before")], {"data": None}),
        "a data error": ([press(b"x"), Job.ended], [(1, b"Nepavyko nuskaityti elemento nr. 2 is 2\r\n" + PROMPT +
                                                      SENT + b"\r\n", 0, "as before")], {"data": "2 2"}),
        "input from /dev/null": ([Job.ended], [(0, REPORT, 0, "as before")], {"stdin": "null"}),
        "output to a pipe": ([Job.ended], [(0, REPORT.replace(b"\r", b""), None, "as before")], {"output": "pipe"}),
        "output to another terminal": ([Job.ended], [(0, REPORT, None, "as before")], {"output": "other terminal"}),
        "input from another terminal": ([Job.ended], [(0, REPORT, 0, "as before")], {"stdin": "other terminal"}),
        "input from /dev/tty": ([press(b"x"), Job.ended], KEY, {"stdin": "/dev/tty"}),
        "output to /dev/tty": ([press(b"x"), Job.ended], KEY, {"output": "/dev/tty"}),
        "started in the background": ([Job.ended], [(0, REPORT, 0, "as before")], {"foreground": False}),
        "a line typed ahead": ([Job.ended], [(0, REPORT, 8, "as before")], {"typed": b"echo ab\n"}),
        "part of a line typed ahead": ([Job.ended], [(0, REPORT, 7, "as before")], {"typed": b"echo ab"}),
        "a paste of 8 KiB in pieces": ([paste, Job.ended], KEY),
        "a line typed while the line end after a key is held back": ([typed_after_key, Job.ended], KEY),
        "SIGCONT just before the wait": ([Job.ended], [(0, WAITING, 0, "as before")], {"command": TRACED + COMMAND}),
        "SIGSTOP, then bg, the terminal left as the job had it, as dash does": (
            [send("STOP"), stopped(None), BG, Job.ended], [STOPPED["STOP"], (0, WAITING, 3, "as before")]),
        "SIGSTOP, then fg, the terminal left as the job had it, as dash, fish and sudo do": (
            [send("STOP"), stopped(None), fg, Job.ended], [STOPPED["STOP"], (0, WAITING, 3, "as before")]),
        "SIGSTOP, then bg, the shell's settings put on, as bash and zsh do": (
            [send("STOP"), stopped(), BG, Job.ended], [STOPPED["STOP"], LEFT]),
        "a hang-up under a parent that ignores SIGHUP": ([hang_up, Job.status], [1], {"ignored": signal.SIGHUP}),
    }
    for key in (b"x", b"\x03", b"\x1a", b"\x1c", b"\x13", b"\x1b[A"):
        scenarios[f"the key {key!r}"] = ([press(key), Job.ended], KEY)
    for name in ("TSTP", "TTIN", "TTOU"):
        scenarios[f"SIG{name}, then bg"] = ([send(name), stopped(), BG, Job.ended], [STOPPED[name], LEFT])
        scenarios[f"SIG{name}, then fg"] = ([send(name), stopped(), fg, Job.ended], [STOPPED[name], LEFT])
    for name in ("TERM", "HUP", "INT", "QUIT", "ALRM", "USR1"):
        scenarios[f"SIG{name}"] = ([send(name), Job.ended], [(-signal.Signals["SIG" + name], WAITING, 0, "as before")])
    for name in ("WINCH", "CHLD", "URG"):
        scenarios[f"SIG{name}, then a key"] = ([send(name), Job.settings, press(b"x"), Job.ended], ["raw"] + KEY)

with multiprocessing.get_context("fork").Pool(1, maxtasksperchild=1) as pool:
    failures = [f"{name}:\n  expected {scenario[1]!r}\n  got      {got}" for (name, scenario), got
                in zip(scenarios.items(), pool.map(run, scenarios, chunksize=1)) if got != repr(scenario[1])]
sys.exit("\n".join(failures) or None)
