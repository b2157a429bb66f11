#!/usr/bin/env python3
"""Runs rusiuoti on one case file in a fresh directory and compares its output byte for byte.

A case file holds sections, each opened by a line "[name]":
  [duomenys.txt]  the data file's content; without it there is no data file
  [args]          command-line arguments, split at spaces
  [stdout]        the exact standard output expected
  [status]        the exit status expected
  [stdout-full]   standard output goes to /dev/full (a section with no body)
Lines above the first section that start with "#" describe the case.
Within [duomenys.txt] and [stdout] line breaks of the case file do not count:
"$" is a line end, and \\t, \\r, \\xHH, \\$ and \\\\ stand for their bytes.
"""
import argparse
import re
import subprocess
import sys
import tempfile
from pathlib import Path

ESCAPES = re.compile(r"\\(x[0-9A-Fa-f]{2}|[tr$\\])|\$")
NAMED = {"t": "\t", "r": "\r", "$": "$", "\\": "\\"}
WINDOWS_PAUSE = b"Press any key to continue"


def decode(lines):
    def one(match):
        escape = match.group(1)
        if escape is None:
            return "\n"
        return chr(int(escape[1:], 16)) if escape[0] == "x" else NAMED[escape]

    return ESCAPES.sub(one, "".join(lines)).encode("latin-1")


def read_case(path):
    sections, name = {}, None
    for line in path.read_text(encoding="utf-8").splitlines():
        header = re.fullmatch(r"\[(.+)\]", line)
        if header:
            name = header.group(1)
            sections[name] = []
        elif name is not None:
            sections[name].append(line)
        elif line and not line.startswith("#"):
            sys.exit(f"{path}: text outside a section: {line!r}")
    return sections


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--windows", action="store_true", help="expect \\r\\n and the pause prompt")
    parser.add_argument("--input-only", action="store_true", help="write the data file's bytes and stop")
    parser.add_argument("case", type=Path)
    parser.add_argument("command", nargs="*", help="the program, after any launcher such as wine")
    options = parser.parse_args()
    case = read_case(options.case)
    data = decode(case["duomenys.txt"]) if "duomenys.txt" in case else None
    if options.input_only:
        sys.stdout.buffer.write(data or b"")
        return
    expected = decode(case["stdout"])
    status = int("".join(case["status"]))
    to_full = "stdout-full" in case
    if options.windows:
        expected = expected.replace(b"\n", b"\r\n")

    # Files, not pipes, take the output: Wine's helper processes inherit them
    # and outlive the program.
    with tempfile.TemporaryDirectory() as work, open("/dev/full", "wb") as full, \
            tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        if data is not None:
            (Path(work) / "duomenys.txt").write_bytes(data)
        args = " ".join(case.get("args", [])).split()
        run = subprocess.run(options.command + args, cwd=work, stdin=subprocess.DEVNULL,
                             stdout=full if to_full else out, stderr=err, timeout=60, check=False)
        out.seek(0)
        err.seek(0)
        output, errors = out.read(), err.read()
    # On Windows a written report is followed by whatever the command processor's pause writes.
    expect_pause = options.windows and status == 0 and not to_full
    pause = b""
    if expect_pause:
        output, pause = output[:len(expected)], output[len(expected):]
    problems = []
    if output != expected:
        problems.append(f"standard output\n  expected {expected!r}\n  got      {output!r}")
    if expect_pause and WINDOWS_PAUSE not in pause:
        problems.append(f"no pause prompt after the report: {pause!r}")
    if run.returncode != status:
        problems.append(f"exit status: expected {status}, got {run.returncode}")
    if errors:
        problems.append(f"standard error is not empty: {errors!r}")
    if problems:
        sys.exit(f"{options.case.name}: " + "\n".join(problems))


if __name__ == "__main__":
    main()
