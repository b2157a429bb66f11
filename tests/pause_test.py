#!/usr/bin/env python3
"""The pause step on a real terminal: after the report comes the prompt, one key
(Ctrl-C and multi-byte keys included) ends the run with status 0, and the
terminal's settings are as they were."""
import fcntl
import os
import pty
import select
import struct
import subprocess
import sys
import tempfile
import termios
import time
from pathlib import Path

PROMPT = b"Press any key to continue . . . "
REPORT = (b"elementu kiekis  2\r\n2 1 \r\nPradinis masyvas: 2 1 \r\n"
          b"Surusiuotas masyvas: 1 2 \r\n")


def read_until(fd, wanted, seen=b"", seconds=10):
    deadline = time.monotonic() + seconds
    while wanted not in seen and time.monotonic() < deadline:
        if select.select([fd], [], [], 0.1)[0]:
            try:
                seen += os.read(fd, 4096)
            except OSError:  # the terminal hangs up once the program has ended
                break
    return seen


def take_terminal():
    # The terminal becomes the program's controlling one, so that a Ctrl-C
    # would raise a signal if the pause let it.
    os.setsid()
    fcntl.ioctl(0, termios.TIOCSCTTY, 0)


def run_with_key(program, key):
    """What a terminal shows when the prompt is answered with `key`, the exit
    status, the bytes of the key left unread, and the settings afterwards."""
    leader, follower = pty.openpty()
    before = termios.tcgetattr(follower)
    with tempfile.TemporaryDirectory() as work:
        (Path(work) / "duomenys.txt").write_text("2 2 1\n")
        proc = subprocess.Popen([program], cwd=work, stdin=follower, stdout=follower,
                                stderr=follower, preexec_fn=take_terminal)
        shown = read_until(leader, PROMPT)
        if PROMPT in shown:
            os.write(leader, key)
        try:
            status = proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            proc.kill()
            status = "still waiting"
        shown = read_until(leader, REPORT + PROMPT + b"\r\n", shown, seconds=1)
    left = struct.unpack("i", fcntl.ioctl(follower, termios.FIONREAD, b"\0" * 4))[0]
    got = (shown, status, left, termios.tcgetattr(follower) == before)
    os.close(leader)
    os.close(follower)
    return got


def run_into_pipe(program):
    """A terminal for input alone: nobody reads the screen, so no pause."""
    leader, follower = pty.openpty()
    with tempfile.TemporaryDirectory() as work:
        (Path(work) / "duomenys.txt").write_text("2 2 1\n")
        run = subprocess.run([program], cwd=work, stdin=follower, capture_output=True,
                             timeout=10, check=False)
    os.close(leader)
    os.close(follower)
    return run.stdout, run.returncode


def main():
    # (output, exit status[, bytes of the key left unread, settings unchanged])
    outcomes = [("stdout a pipe", run_into_pipe(sys.argv[1]), (REPORT.replace(b"\r", b""), 0))]
    for key in (b"x", b"\x03", b"\x1b[A"):
        outcomes.append((f"key {key!r}", run_with_key(sys.argv[1], key),
                         (REPORT + PROMPT + b"\r\n", 0, 0, True)))
    failed = [f"{what}:\n  expected {want}\n  got      {got}" for what, got, want in outcomes if got != want]
    print("\n".join(failed))
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
