#!/usr/bin/env python3
"""The pause on a pseudo-terminal, as a person at the console meets it.

A small shell of the test's own, in a session of its own on the terminal, runs
the program as its foreground job, as a job-control shell does. The program
pauses only with the terminal on both sides and itself in its foreground:
after the report, and after a data error's message. One key, or a paste that
arrives in pieces, is taken whole and unechoed and ends the run, nothing of it
left for the shell.

On Linux the terminal's settings are as they were after the run, after a
signal that ends it, and while it is stopped by SIGTSTP, SIGTTIN or SIGTTOU.
Continued in the background it touches nothing and reads nothing: the kernel
stops it again. Brought back, it waits raw for its key. A terminal that hangs
up, or that could not be restored, ends the run with status 1.

Under Wine, which makes the terminal the console, the command processor's own
pause does the waiting; with output to a file or a pipe, or input from
/dev/null, there is neither a prompt nor a wait, and the output is exactly the
report."""
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
    """The program as the shell's job; the shell holds the terminal's other end."""

    def __init__(self, pid, leader, terminal, output, before):
        self.pid, self.leader, self.terminal, self.output, self.before = pid, leader, terminal, output, before
        self.shown = b""
        self.ended = False

    def read(self, until=b""):
        """What the program wrote, until `until` and then 0.1 s of quiet."""
        while select.select([self.leader], [], [], 10 if until not in self.shown else 0.1)[0]:
            self.shown += os.read(self.leader, 4096)
        return self.shown

    def type(self, keys):
        self.shown += SENT
        os.write(self.leader, keys)

    def wait(self):
        """The exit status, minus the signal that ended it, or what stopped it."""
        for _ in range(1000):
            pid, status = os.waitpid(self.pid, os.WNOHANG | os.WUNTRACED)
            if pid:
                if os.WIFSTOPPED(status):
                    return "stopped by " + signal.Signals(os.WSTOPSIG(status)).name
                self.ended = True
                return os.waitstatus_to_exitcode(status)
            time.sleep(0.01)
        return "did not end"

    def settings(self):
        return "as before" if termios.tcgetattr(self.terminal) == self.before else "changed"

    def raw_again(self):
        return any(time.sleep(0.01) or self.settings() == "changed" for _ in range(1000))

    def unread(self):
        return int.from_bytes(fcntl.ioctl(self.terminal, termios.FIONREAD, bytes(4)), sys.byteorder)

    def stop(self, number):
        os.kill(self.pid, number)
        stopped = self.wait()
        os.tcsetpgrp(self.terminal, os.getpgrp())  # the shell takes the terminal back
        return stopped

    def bring_back(self):
        os.tcsetpgrp(self.terminal, self.pid)
        os.kill(self.pid, signal.SIGCONT)
        return self.raw_again()


def shell(work, leader, terminal, scenario, output, stdin, controlling, ignored):
    before = termios.tcgetattr(terminal)
    os.setsid()
    if controlling:
        fcntl.ioctl(terminal, termios.TIOCSCTTY, 0)
    # The shell's own: it hands the terminal on, and outlives a hang-up.
    for number in (signal.SIGTTOU, signal.SIGHUP):
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
            # Signals as a shell leaves them to its jobs.
            for number in (signal.SIGTTOU, signal.SIGHUP, signal.SIGPIPE, signal.SIGXFSZ):
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
    """What the scenario saw, the shell running it in a process of its own."""
    leader, terminal = pty.openpty()
    if nonblocking:
        fcntl.fcntl(terminal, fcntl.F_SETFL, fcntl.fcntl(terminal, fcntl.F_GETFL) | os.O_NONBLOCK)
    reader, writer = os.pipe()
    with tempfile.TemporaryDirectory() as work:
        if data is not None:
            with open(os.path.join(work, "duomenys.txt"), "w", encoding="ascii") as file:
                file.write(data)
        if os.fork() == 0:
            os.close(reader)
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


def ended(job):
    """The run's end, once it ends without more ado."""
    status = job.wait()
    return job.read(), status, job.unread(), job.settings()


def key(keys):
    def scenario(job):
        job.read(PROMPT)
        job.type(keys)
        return ended(job)
    return scenario


def written(job):
    """Output sent to a file or a pipe, and the status."""
    status = job.wait()
    return os.read(job.output, 4096), status, job.settings()


def prompted(job):
    """Whether the prompt came before the key, and the status."""
    job.read(PROMPT)
    job.type(b"x")
    return PROMPT in job.shown.split(SENT)[0], job.wait()


def unprompted(job):
    status = job.wait()
    return PROMPT in job.read(), status


def ending(number):
    def scenario(job):
        job.read(PROMPT)
        os.kill(job.pid, number)
        return ended(job)
    return scenario


def stopped_by_each(job):
    job.read(PROMPT)
    seen = []
    for number in (signal.SIGTSTP, signal.SIGTTIN, signal.SIGTTOU):
        seen += [job.stop(number), job.settings(), job.bring_back()]
    job.type(b"x")
    return seen, ended(job)


def background(job):
    job.read(PROMPT)
    seen = [job.stop(signal.SIGTSTP)]
    os.write(job.leader, b"ls\n")  # typed for the shell, which echoes it
    job.read(b"ls\r\n")
    os.kill(job.pid, signal.SIGCONT)
    seen += [job.wait(), job.settings(), job.unread()]
    termios.tcflush(job.terminal, termios.TCIFLUSH)  # the shell takes its line
    seen.append(job.bring_back())
    job.type(b"x")
    return seen, ended(job)


def paste(job):
    job.read(PROMPT)
    job.shown += SENT
    for piece in range(128):
        os.write(job.leader, b"%63d\n" % piece)
        time.sleep(0.001)
    return ended(job)


def hang_up(stopped):
    def scenario(job):
        job.read(PROMPT)
        if not stopped:
            os.close(job.leader)
            return [job.wait()]
        seen = [job.stop(signal.SIGTSTP)]
        os.close(job.leader)
        os.kill(job.pid, signal.SIGCONT)
        return seen + [job.wait()]
    return scenario


def hang_up_signal(job):
    job.read(PROMPT)
    os.kill(job.pid, signal.SIGHUP)
    job.type(b"x")
    return ended(job)


def poll_fails(job):
    """A wait that fails, here for want of a file descriptor, ends the pause."""
    job.read(PROMPT)
    resource.prlimit(job.pid, resource.RLIMIT_NOFILE, (0, 0))
    os.kill(job.pid, signal.SIGTSTP)
    stopped = job.wait()
    os.kill(job.pid, signal.SIGCONT)
    return stopped, ended(job)


def on_terminal(text):
    return text.replace(b"\n", b"\r\n")


if WINE:
    checks = [(("2 2 1", prompted), (True, 0)),
              (("2 2", prompted), (True, 1)),
              ((None, unprompted), (False, 1)),
              (("2 2 1", unprompted, None, "null"), (False, 0)),
              (("2 2 1", written, "file"), (on_terminal(REPORT), 0, "as before")),
              (("2 2 1", written, "pipe"), (on_terminal(REPORT), 0, "as before"))]
else:
    AS_BEFORE = (on_terminal(REPORT) + PROMPT + SENT + b"\r\n", 0, 0, "as before")
    checks = [(("2 2 1", written, "pipe"), (REPORT, 0, "as before")),
              (("2 2 1", ended, None, "null"), (on_terminal(REPORT), 0, 0, "as before")),
              (("2 2 1", ended, None, None, False), (on_terminal(REPORT), 0, 0, "as before")),
              ((None, ended), (b"Nera pradinio failo", 1, 0, "as before")),
              (("2 2", key(b"x")), (on_terminal(ERROR) + PROMPT + SENT + b"\r\n", 1, 0, "as before")),
              (("2 2 1", key(b"x"), None, None, True, True), AS_BEFORE),
              (("2 2 1", hang_up_signal, None, None, True, False, signal.SIGHUP), AS_BEFORE),
              (("2 2 1", stopped_by_each), (["stopped by SIGTSTP", "as before", True, "stopped by SIGTTIN",
                                            "as before", True, "stopped by SIGTTOU", "as before", True], AS_BEFORE)),
              (("2 2 1", background), (["stopped by SIGTSTP", "stopped by SIGTTOU", "as before", 3, True],
                                       (on_terminal(REPORT + PROMPT + b"ls\n") + SENT + b"\r\n", 0, 0, "as before"))),
              (("2 2 1", paste), AS_BEFORE),
              (("2 2 1", hang_up(False), None, None, True, False, signal.SIGHUP), [1]),
              (("2 2 1", hang_up(True), None, None, True, False, signal.SIGHUP), ["stopped by SIGTSTP", 1])]
    if not INSTRUMENTED:
        checks.append((("2 2 1", poll_fails), ("stopped by SIGTSTP", (on_terminal(REPORT) + PROMPT + b"\r\n", 0, 0,
                                                                       "as before"))))
    for keys in (b"x", b"\x03", b"\x13", b"\x1b[A", b"a paste of forty bytes, no line end in it"):
        checks.append((("2 2 1", key(keys)), AS_BEFORE))
    for name in ("TERM", "HUP", "INT", "QUIT", "USR1", "USR2", "ALRM", "PIPE", "XCPU", "XFSZ", "VTALRM", "PROF", "IO"):
        number = getattr(signal, "SIG" + name)
        checks.append((("2 2 1", ending(number)), (on_terminal(REPORT) + PROMPT, -number, 0, "as before")))
failures = [f"{args}:\n  expected {want!r}\n  got      {got}" for args, want in checks
            if (got := run(*args)) != repr(want)]
sys.exit("\n".join(failures) or None)
