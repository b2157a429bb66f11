#!/usr/bin/env python3
"""The pause on a pseudo-terminal, the program run as a shell runs a job: after
the report, or after a data error's message, comes the prompt, and the program
waits, also on a terminal left in non-blocking mode; one key (a letter, Ctrl-C,
Ctrl-S, an arrow's three bytes, a paste) is taken whole and unechoed and ends
the run. A signal that ends the program while it waits ends it as that signal
does, unless it was ignored before, as nohup ignores SIGHUP; SIGTSTP stops it, and once continued it waits again for its key. Either
way the terminal's settings are as they were, also while it is stopped. No data
file, or output to a pipe: no pause."""
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

REPORT = b"elementu kiekis  2\n2 1 \nPradinis masyvas: 2 1 \nSurusiuotas masyvas: 1 2 \n"
ERROR = b"Nepavyko nuskaityti elemento nr. 2 is 2\n"
PROMPT = b"Press any key to continue . . . "
SENT = b"<key sent>"
PROGRAM = os.path.abspath(sys.argv[1])


def read_until(fd, end, seen=b"", timeout=10):
    while not seen.endswith(end) and select.select([fd], [], [], timeout)[0]:
        seen += os.read(fd, 4096)
    return seen


def state(pid):
    with open(f"/proc/{pid}/stat", encoding="ascii") as stat:
        return stat.read().rsplit(")", 1)[1].split()[0]


def wait_for(condition):
    for _ in range(1000):
        if condition():
            return True
        time.sleep(0.01)
    return False


def start_job(work, terminal, output, ignored):
    """A shell in a session of its own on the terminal, running the program as
    its foreground job; returns the job's pid and where its exit status comes."""
    reader, writer = os.pipe()
    if os.fork() == 0:
        os.setsid()
        fcntl.ioctl(terminal, termios.TIOCSCTTY, 0)
        job = os.fork()
        if job == 0:
            os.setpgid(0, 0)
            signal.signal(signal.SIGTTOU, signal.SIG_IGN)
            os.tcsetpgrp(terminal, os.getpid())
            # Signals as a shell leaves them to its jobs: Python ignores these.
            for number in (signal.SIGTTOU, signal.SIGPIPE, signal.SIGXFSZ):
                signal.signal(number, signal.SIG_DFL)
            if ignored:
                signal.signal(ignored, signal.SIG_IGN)
            resource.setrlimit(resource.RLIMIT_CORE, (0, 0))
            os.dup2(terminal, 0)
            os.dup2(output, 1)
            os.dup2(terminal, 2)
            os.chdir(work)
            os.execv(PROGRAM, [PROGRAM])
        os.write(writer, b"%d\n" % job)
        os.write(writer, b"%d\n" % os.waitstatus_to_exitcode(os.waitpid(job, 0)[1]))
        os._exit(0)
    os.close(writer)
    status = os.fdopen(reader)
    return int(status.readline()), status


def run(data, action, piped=False, nonblocking=False, ignored=None):
    """The output, the exit status, the bytes left unread and whether the
    terminal's settings are unchanged, then and while the program was stopped."""
    leader, follower = pty.openpty()
    before = termios.tcgetattr(follower)
    unchanged = True
    if nonblocking:
        fcntl.fcntl(follower, fcntl.F_SETFL, fcntl.fcntl(follower, fcntl.F_GETFL) | os.O_NONBLOCK)
    pipe = os.pipe() if piped else (None, follower)
    with tempfile.TemporaryDirectory() as work:
        if data is not None:
            with open(os.path.join(work, "duomenys.txt"), "w", encoding="ascii") as file:
                file.write(data)
        job, status = start_job(work, follower, pipe[1], ignored)
        if piped:
            os.close(pipe[1])
            with open(pipe[0], "rb", closefd=False) as output:
                shown = output.read()
        else:
            # A program that did not wait would end its line before the key.
            shown = read_until(leader, b"\n", read_until(leader, PROMPT if action else b"failo"), 0.2)
        if action == signal.SIGTSTP:
            os.kill(job, signal.SIGTSTP)
            unchanged = wait_for(lambda: state(job) == "T") and termios.tcgetattr(follower) == before
            os.kill(job, signal.SIGCONT)
            wait_for(lambda: termios.tcgetattr(follower) != before)
            action = b"x"
        if ignored:
            os.kill(job, ignored)
        if isinstance(action, int):
            os.kill(job, action)
        elif action:
            os.write(leader, action)
            shown = read_until(leader, b"\r\n", shown + SENT)
        if not select.select([status], [], [], 10)[0]:
            os.killpg(job, signal.SIGKILL)  # a run that does not end fails, and is ended
        got = (shown, int(status.readline()), int.from_bytes(fcntl.ioctl(follower, termios.FIONREAD, bytes(4)),
                                                            sys.byteorder), unchanged and termios.tcgetattr(follower) == before)
    for fd in (leader, follower, pipe[0]):
        if fd is not None:
            os.close(fd)
    return got


def on_terminal(text):
    return text.replace(b"\n", b"\r\n")


ENDED = on_terminal(REPORT) + PROMPT + SENT + b"\r\n"
checks = [(("2 2 1", None, True), (REPORT, 0, 0, True)),
          ((None, None), (b"Nera pradinio failo", 1, 0, True)),
          (("2 2", b"x"), (on_terminal(ERROR) + PROMPT + SENT + b"\r\n", 1, 0, True)),
          (("2 2 1", b"x", False, True), (ENDED, 0, 0, True)),
          (("2 2 1", signal.SIGTSTP), (ENDED, 0, 0, True)),
          (("2 2 1", b"x", False, False, signal.SIGHUP), (ENDED, 0, 0, True))]
for key in (b"x", b"\x03", b"\x13", b"\x1b[A", b"a paste of forty bytes, no line end in it"):
    checks.append((("2 2 1", key), (ENDED, 0, 0, True)))
for ending in ("TERM", "HUP", "INT", "QUIT", "USR1", "USR2", "ALRM", "PIPE", "XCPU", "XFSZ", "VTALRM", "PROF", "IO"):
    number = getattr(signal, "SIG" + ending)
    checks.append((("2 2 1", number), (on_terminal(REPORT) + PROMPT, -number, 0, True)))
sys.exit("\n".join(f"{args}:\n  expected {want}\n  got      {got}" for args, want in checks
                   if (got := run(*args)) != want) or None)
