#!/usr/bin/env python3
"""The pause on a pseudo-terminal: after the report comes the prompt; one key (a
letter, Ctrl-C, an arrow's three bytes) is taken whole and unechoed and ends the
run with status 0; the terminal's settings are as they were. With output to a
pipe there is no pause."""
import fcntl
import os
import pty
import select
import subprocess
import sys
import tempfile
import termios

REPORT = b"elementu kiekis  2\n2 1 \nPradinis masyvas: 2 1 \nSurusiuotas masyvas: 1 2 \n"
PROMPT = b"Press any key to continue . . . "


def read_until(fd, end, seen=b""):
    while not seen.endswith(end) and select.select([fd], [], [], 10)[0]:
        seen += os.read(fd, 4096)
    return seen


def run(key):
    """The output, the exit status and, with a key, the bytes left unread and
    whether the terminal's settings are unchanged."""
    leader, follower = pty.openpty()
    before = termios.tcgetattr(follower)
    with tempfile.TemporaryDirectory() as work:
        with open(os.path.join(work, "duomenys.txt"), "w", encoding="ascii") as data:
            data.write("2 2 1\n")
        if key is None:
            piped = subprocess.run([sys.argv[1]], cwd=work, stdin=follower, capture_output=True, timeout=10, check=False)
            got = (piped.stdout, piped.returncode)
        else:
            # The terminal is the program's controlling one, so that Ctrl-C would raise a signal if let.
            proc = subprocess.Popen([sys.argv[1]], cwd=work, stdin=follower, stdout=follower, stderr=follower,
                                    preexec_fn=lambda: (os.setsid(), fcntl.ioctl(0, termios.TIOCSCTTY, 0)))
            shown = read_until(leader, PROMPT)
            os.write(leader, key)
            shown = read_until(leader, b"\r\n", shown)
            status = proc.wait(timeout=10)
            left = int.from_bytes(fcntl.ioctl(follower, termios.FIONREAD, bytes(4)), sys.byteorder)
            got = (shown, status, left, termios.tcgetattr(follower) == before)
    os.close(leader)
    os.close(follower)
    return got


checks = [("output to a pipe", run(None), (REPORT, 0))]
for key in (b"x", b"\x03", b"\x1b[A"):
    checks.append((f"key {key!r}", run(key), (REPORT.replace(b"\n", b"\r\n") + PROMPT + b"\r\n", 0, 0, True)))
sys.exit("\n".join(f"{name}:\n  expected {want}\n  got      {got}" for name, got, want in checks if got != want) or None)
