#!/usr/bin/env python3
"""The pause on a pseudo-terminal: after the report, or after a data error's
message, comes the prompt; one key (a letter, Ctrl-C, Ctrl-S, an arrow's three
bytes) is taken whole and unechoed and ends the run; a SIGTERM while it waits
ends it as SIGTERM does; either way the terminal's settings are as they were.
No data file, or output to a pipe: no pause."""
import fcntl
import os
import pty
import select
import signal
import subprocess
import sys
import tempfile
import termios

REPORT = b"elementu kiekis  2\n2 1 \nPradinis masyvas: 2 1 \nSurusiuotas masyvas: 1 2 \n"
ERROR = b"Nepavyko nuskaityti elemento nr. 2 is 2\n"
PROMPT = b"Press any key to continue . . . "


def read_until(fd, end, seen=b""):
    while not seen.endswith(end) and select.select([fd], [], [], 10)[0]:
        seen += os.read(fd, 4096)
    return seen


def run(data, key, piped=False):
    """The output, the exit status, the bytes of the key left unread and whether
    the terminal's settings are unchanged."""
    leader, follower = pty.openpty()
    before = termios.tcgetattr(follower)
    with tempfile.TemporaryDirectory() as work:
        if data is not None:
            with open(os.path.join(work, "duomenys.txt"), "w", encoding="ascii") as file:
                file.write(data)
        # The terminal is the program's controlling one, so that Ctrl-C would raise a signal if let.
        proc = subprocess.Popen([sys.argv[1]], cwd=work, stdin=follower, stdout=subprocess.PIPE if piped else follower,
                                preexec_fn=lambda: (os.setsid(), fcntl.ioctl(0, termios.TIOCSCTTY, 0)))
        shown = proc.stdout.read() if piped else read_until(leader, PROMPT if key else b"failo")
        if key == "SIGTERM":
            proc.send_signal(signal.SIGTERM)
        elif key:
            os.write(leader, key)
            shown = read_until(leader, b"\r\n", shown)
        status = proc.wait(timeout=10)
        left = int.from_bytes(fcntl.ioctl(follower, termios.FIONREAD, bytes(4)), sys.byteorder)
        got = (shown, status, left, termios.tcgetattr(follower) == before)
    os.close(leader)
    os.close(follower)
    return got


def on_terminal(text):
    return text.replace(b"\n", b"\r\n")


checks = [(("2 2 1", None, True), (REPORT, 0, 0, True)),
          ((None, None), (b"Nera pradinio failo", 1, 0, True)),
          (("2 2 1", "SIGTERM"), (on_terminal(REPORT) + PROMPT, -signal.SIGTERM, 0, True)),
          (("2 2", b"x"), (on_terminal(ERROR) + PROMPT + b"\r\n", 1, 0, True))]
for key in (b"x", b"\x03", b"\x13", b"\x1b[A"):
    checks.append((("2 2 1", key), (on_terminal(REPORT) + PROMPT + b"\r\n", 0, 0, True)))
sys.exit("\n".join(f"{args}:\n  expected {want}\n  got      {got}" for args, want in checks
                   if (got := run(*args)) != want) or None)
