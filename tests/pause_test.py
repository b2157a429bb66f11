#!/usr/bin/env python3
# The pause on a pseudo-terminal, as a person and a job-control shell meet it. Each scenario is a row of the table
# below: its name, the shell that plays it, the command line it starts the program with, what the shell and the person
# do, and what they see. A small shell of the test's own runs the program as its job, on a terminal of its own, in a
# fresh folder, and takes the steps once the prompt is shown (at once, where the first step waits for the end or a
# stop). Under Wine, which makes the terminal the console, the command processor's pause waits.
import fcntl
import multiprocessing
import os
import pty
import resource
import select
import shlex
import signal
import subprocess
import sys
import tempfile
import termios
import time

COMMAND = sys.argv[1:-1] + [os.path.abspath(sys.argv[-1])]  # the emulator, if any, and the program
WINE = COMMAND[-1].endswith(".exe")
REPORT = b"elementu kiekis  2\n2 1 \nPradinis masyvas: 2 1 \nSurusiuotas masyvas: 1 2 \n"
PROMPT = b"Press any key to continue..." if WINE else b"Press any key to continue . . . "
SENT = b"<key>"  # where a key was pressed, among what the program wrote
KEYS = {"x": b"x", "^C": b"\x03", "^Z": b"\x1a", "^\\": b"\x1c", "^S": b"\x13", "up": b"\x1b[A"}


class Shell:
    # The shell, the leader of a session of its own, on a terminal whose minimum for raw reads is more than one key.
    # It starts the command line as its job, in a fresh folder, with signals as shells leave them.
    def __init__(self, kind, line, work):
        self.kind, self.shown, self.recorded = kind, b"", None
        self.leader, self.terminal = pty.openpty()
        os.setsid()
        fcntl.ioctl(self.terminal, termios.TIOCSCTTY, 0)
        self.before = termios.tcgetattr(self.terminal)
        self.before[6][termios.VMIN] = b"\x04"
        termios.tcsetattr(self.terminal, termios.TCSANOW, self.before)
        self.own = self.before[:3] + [self.before[3] & ~(termios.ICANON | termios.ECHO)]  # a line editor's modes
        for number in (signal.SIGTTOU, signal.SIGHUP):  # it hands the terminal on, and outlives a hang-up
            signal.signal(number, signal.SIG_IGN)
        if line.startswith("typed ahead: "):  # which the terminal echoes
            typed, line = line[13:].split("; ", 1)
            os.write(self.leader, typed.encode())
        # The command line, run by sh: /dev/pts/other is a terminal of no session; strace injects an error or a
        # signal at a chosen system call, with LeakSanitizer, which cannot run under it, off.
        other = pty.openpty()
        self.foreground = not line.endswith(" &")
        self.screen = other[0] if ">/dev/pts/other" in line else self.leader
        *setups, command = line.removesuffix(" &").replace("/dev/pts/other", os.ttyname(other[1])).replace(
            "rusiuoti", shlex.join(COMMAND)).replace("strace", "strace -D -o/dev/null -E ASAN_OPTIONS=detect_leaks=0")\
            .split("; ")

        def as_a_job():  # with signals as shells leave them, whoever started the test
            if self.foreground:
                os.tcsetpgrp(self.terminal, os.getpid())
            for number in (signal.SIGTTOU, signal.SIGHUP, signal.SIGINT, signal.SIGQUIT):
                signal.signal(number, signal.SIG_DFL)
            resource.setrlimit(resource.RLIMIT_CORE, (0, 0))
            resource.setrlimit(resource.RLIMIT_CPU, (10, 10))  # a job that spins does not outlive a failed scenario
        setups = ["printf '2 2 1' >duomenys.txt"] + setups + ["exec " + command]
        self.job = subprocess.Popen(["sh", "-c", "; ".join(setups)], stdin=self.terminal, stdout=self.terminal,
                                    stderr=self.terminal, cwd=work, process_group=0, preexec_fn=as_a_job)
        self.pid = self.job.pid  # waited for by the steps

    def read(self, until=None):
        # What the job wrote: until `until` comes, or else until 0.1 s pass without more.
        while not (until and until in self.shown) and select.select([self.screen], [], [], 20 if until else 0.1)[0]:
            self.shown += os.read(self.screen, 4096)

    def status(self):
        # How the job ended, or what stopped it; one that hangs times the scenario out.
        status = os.waitpid(self.pid, os.WUNTRACED)[1]
        code = -os.WSTOPSIG(status) if os.WIFSTOPPED(status) else os.waitstatus_to_exitcode(status)
        return f"exit {code}" if code >= 0 else f"{'stopped' if os.WIFSTOPPED(status) else 'killed'} by " \
            + signal.Signals(-code).name

    def settings(self):
        modes = termios.tcgetattr(self.terminal)
        return "as before" if modes == self.before else "the shell's" if modes[:4] == self.own else \
            "the pause's" if modes[3] & termios.ICANON == 0 else "other"

    def unread(self):
        return int.from_bytes(fcntl.ioctl(self.terminal, termios.FIONREAD, bytes(4)), sys.byteorder)

    def described(self):
        # What the job wrote, in the names of its parts.
        if WINE and self.screen == self.leader:  # whose console writes control sequences of its own
            return "prompt" if PROMPT in self.shown.split(SENT)[0] else "no prompt"
        text = self.shown.replace(b"\r\n", b"\n")
        for part, name in ((REPORT, b"report"), (PROMPT, b"prompt"), (SENT, b"key"), (b"\n", b"line end")):
            text = text.replace(part, b"|" + name + b"|")
        return " + ".join(part.decode() for part in text.split(b"|") if part) or "nothing"

    # The steps. Those that return something are what the scenario sees.
    def ends(self):
        # How the job ended, what it wrote, what is left unread for the shell, if anything, and the settings left.
        how = self.status()
        self.read()
        unread = f", {self.unread()} unread" if self.unread() else ""
        return f"{how}: {self.described()}{unread}, {self.settings()}"

    def stops(self):
        # The job stops. The shell takes back the terminal it gave: bash puts its line editor's modes on, fish records
        # the job's settings and then does the same, dash leaves them. Then a line is typed for the shell.
        seen = f"{self.status()}, {self.settings()}"
        if self.foreground:
            os.tcsetpgrp(self.terminal, os.getpgrp())
            self.recorded, self.foreground = termios.tcgetattr(self.terminal), False
            if self.kind != "dash":
                self.stty()
            self.type("ls")
        return seen

    def fg(self):  # fish puts the settings it recorded back first
        if self.kind == "fish":
            termios.tcsetattr(self.terminal, termios.TCSANOW, self.recorded)
        os.tcsetpgrp(self.terminal, self.pid)
        self.foreground = True
        self.bg()

    def bg(self):
        os.kill(self.pid, signal.SIGCONT)

    def stty(self):  # puts a line editor's modes on the terminal, from outside the job too
        termios.tcsetattr(self.terminal, termios.TCSANOW, self.own + termios.tcgetattr(self.terminal)[4:])

    def type(self, line):  # a line for the shell, once the terminal has taken it in
        os.write(self.leader, line.encode() + b"\n")
        while self.unread() <= len(line):
            time.sleep(0.01)

    def press(self, key):
        self.shown += SENT
        self.pressed = time.monotonic()
        os.write(self.leader, KEYS[key])

    def kill(self, names):  # one signal straight after the other
        for name in names.split(" "):
            os.kill(self.pid, signal.Signals["SIG" + name[1:]])
        time.sleep(0.1)  # for the job to act on them

    def quiet(self):
        # When the line end after a key comes: not before the 50 ms in which what follows a key is taken with it.
        self.read(SENT + b"\r\n")
        return "line end after 50 ms" if time.monotonic() - self.pressed >= 0.05 else "line end too soon"

    def hangup(self):  # the terminal's; a shell then sends its jobs SIGHUP
        os.close(self.leader)

    def output(self, how):  # held, as Ctrl-S holds it, or released
        termios.tcflow(self.terminal, termios.TCOOFF if how == "held" else termios.TCOON)

    def wait(self):
        time.sleep(0.5)


def act(shell, action):
    # An action is a step's name, then what it takes, if anything: "ends", "press x", "kill -STOP".
    name, _, argument = action.partition(" ")
    return getattr(shell, name)(argument) if argument else getattr(shell, name)()


def run(_, kind, line, steps, __):
    # What the scenario saw, in a process of its own. A job it leaves waiting ends as its terminal hangs up.
    try:
        with tempfile.TemporaryDirectory() as work:
            shell = Shell(kind, line, work)
            signal.signal(signal.SIGALRM, lambda *_: sys.exit("timed out"))
            signal.alarm(40)
            if not steps.startswith(("ends", "stops")):
                shell.read(PROMPT)
            return "; ".join(saw for action in steps.split(", ") if (saw := act(shell, action)) is not None)
    except BaseException as error:  # pylint: disable=broad-except
        return repr(error)


KEY = "exit 0: report + prompt + key + line end, as before"
NO_PAUSE = "exit 0: report, as before"
LEFT = "report + prompt, 3 unread"  # the line typed for the shell after a stop is left unread
GIVEN_BACK = f"exit 0: {LEFT}, as before"
TTOU = "stopped by SIGTTOU, the shell's; "  # as less stops, continued in the background
if WINE:
    SCENARIOS = [("a key after the report", "any", "rusiuoti", "press x, ends", "exit 0: prompt, as before"),
                 ("input from /dev/null", "any", "rusiuoti </dev/null", "ends", "exit 0: no prompt, as before"),
                 ("output to a pipe", "any", "rusiuoti | cat", "ends", "exit 0: no prompt, as before")]
else:
    SCENARIOS = [  # name, shell, command line, what the shell and the person do, what they see
        ("no data file", "any", "rm duomenys.txt; rusiuoti", "ends", "exit 1: Nera pradinio failo, as before"),
        ("a data error", "any", "echo 2 2 >duomenys.txt; rusiuoti", "press x, ends",
         "exit 1: Nepavyko nuskaityti elemento nr. 2 is 2 + line end + prompt + key + line end, as before"),
        ("input from another terminal", "any", "rusiuoti </dev/pts/other", "ends", NO_PAUSE),
        ("input from /dev/tty", "any", "rusiuoti </dev/tty", "press x, ends", KEY),
        ("input from /dev/tty opened to write: no key can be read", "any", "rusiuoti 0>/dev/tty", "ends", NO_PAUSE),
        ("output to another terminal", "any", "rusiuoti >/dev/pts/other", "ends", NO_PAUSE),
        ("output to /dev/tty opened to read: nothing is shown", "any", "rusiuoti 1</dev/tty", "ends",
         "exit 1: nothing, as before"),
        ("started in the background", "any", "rusiuoti &", "ends", NO_PAUSE),
        ("part of a line typed ahead", "any", "typed ahead: echo ab; rusiuoti", "ends",
         "exit 0: echo ab + report, 7 unread, as before"),
        ("the line end after 50 ms quiet", "any", "rusiuoti", "press x, quiet, ends", "line end after 50 ms; " + KEY),
        ("a hang-up, SIGHUP ignored", "any", "trap '' HUP; rusiuoti", "hangup, kill -HUP, status", "exit 1"),
        ("SIGWINCH, SIGCHLD, SIGURG, then a key", "any", "rusiuoti", "kill -WINCH -CHLD -URG, press x, ends", KEY),
        ("settings put on from outside, SIGTSTP: left as put", "bash", "rusiuoti", "stty, kill -TSTP, stops, fg, ends",
         f"stopped by SIGTSTP, the shell's; exit 0: {LEFT}, the shell's"),
    ]
    # strace injects an error or a signal at a system call of the pause's, or holds the job at one.
    for name, shell, injected, steps, seen in (
            ("the terminal's settings cannot be read", "any", "ioctl:error=EIO:when=3", "ends", NO_PAUSE),
            ("SIGSTOP as the pause reads the terminal's settings, bg: no pause", "bash", "ioctl:signal=STOP:when=3",
             "stops, bg, ends", "stopped by SIGSTOP, as before; exit 0: report, 3 unread, the shell's"),
            ("SIGCONT just before the prompt: now no prompt", "any", "ppoll:signal=CONT:when=1", "ends", NO_PAUSE),
            ("SIGTSTP just after the prompt", "bash", "write:delay_exit=1000000:when=5", "kill -TSTP, stops, fg, ends",
             f"stopped by SIGTSTP, as before; exit 0: {LEFT}, the shell's")):
        SCENARIOS.append((name, shell, f"strace -e inject={injected} rusiuoti", steps, seen))
    # With the terminal's output held, as by Ctrl-S, the line end after a key cannot go out.
    for name, shell, steps, seen in (
            ("a line typed meanwhile is discarded", "any", "type ls, output released, ends", KEY),
            ("SIGTERM", "any", "kill -TERM, ends", "killed by SIGTERM: report + prompt + key, as before"),
            ("SIGTSTP", "bash", "kill -TSTP, stops, output released, fg, ends",
             "stopped by SIGTSTP, as before; exit 0: report + prompt + key, 3 unread, the shell's")):
        SCENARIOS.append((f"output held: {name}", shell, "rusiuoti", "output held, press x, wait, " + steps, seen))
    # SIGSTOP, which cannot be caught, and then what the shell does.
    for then, shell, steps, seen in (
            ("bg: given back from the background", "dash", "bg", GIVEN_BACK),
            ("bg: now stops on the terminal, as less does, until fg", "bash", "bg, stops, fg", TTOU + GIVEN_BACK),
            ("bg: stops on the terminal until fg", "fish", "bg, stops, fg", TTOU + GIVEN_BACK),
            ("kill %1 (SIGTERM, SIGCONT): the shell's settings left", "bash", "kill -TERM -CONT",
             f"killed by SIGTERM: {LEFT}, the shell's"),
            ("SIGPROF and fg", "dash", "kill -PROF, fg", f"killed by SIGPROF: {LEFT}, as before")):
        SCENARIOS.append((f"SIGSTOP, then {then}", shell, "rusiuoti", f"kill -STOP, stops, {steps}, ends",
                          "stopped by SIGSTOP, the pause's; " + seen))
    SCENARIOS += [(f"the key {key}", "any", "rusiuoti", f"press {key}, ends", KEY) for key in KEYS]
    for name in ("TSTP", "TTIN", "TTOU"):  # given back before the program stops
        SCENARIOS.append((f"SIG{name}, then fg", "bash", "rusiuoti", f"kill -{name}, stops, fg, ends",
                          f"stopped by SIG{name}, as before; exit 0: {LEFT}, the shell's"))
    for name in ("TERM", "HUP", "INT", "QUIT", "ALRM", "USR1", "RTMIN"):
        SCENARIOS.append((f"SIG{name}", "any", "rusiuoti", f"kill -{name}, ends",
                          f"killed by SIG{name}: report + prompt, as before"))

with multiprocessing.get_context("fork").Pool(1, maxtasksperchild=1) as pool:
    failures = [f"{name}:\n  expected {seen}\n  got      {got}" for (name, *_, seen), got
                in zip(SCENARIOS, pool.starmap(run, SCENARIOS, chunksize=1)) if got != seen]
sys.exit("\n".join(failures) or None)
