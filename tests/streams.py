"""python3 streams.py CASE COMMAND...: drives the program through real pipes.
A case passes silently or says what went wrong; a hang fails at a time-out."""

import os
import re
import select
import subprocess
import sys

TIMEOUT = 60.0  # seconds; Wine and memcheck are slow to start
CELLS = ((0, 0), (0, 1), (1, 0), (1, 1))  # row by row, as the program asks


def prompt(row, column):
    return f"Enter a value for 2-D array index {row},{column}: ".encode()


def listing(values):
    return "".join(f"valueGrid[{r}][{c}] = {v}" for (r, c), v in zip(CELLS, values)).encode()


PROMPTS = b"".join(prompt(r, c) for r, c in CELLS)


def check(what, expected, actual):
    if expected != actual:
        sys.exit(f"{what}\nexpected: {expected!r}\nactual:   {actual!r}")


def read(stream, count=None):
    """Reads count bytes, or to the end of output; fails if nothing comes."""
    data = b""
    while count is None or len(data) < count:
        if not select.select([stream], [], [], TIMEOUT)[0]:
            sys.exit(f"nothing more written for {TIMEOUT} s; so far: {data!r}")
        chunk = os.read(stream.fileno(), 65536 if count is None else count - len(data))
        if not chunk:
            break
        data += chunk
    return data


def ended(status, errors, cause):
    """Lost output is reported, with its cause, in one line and status 1."""
    check("exit status", 0 if cause is None else 1, status)
    error = b"" if cause is None else b"grid: could not write to standard output: (" + cause + b")\r?\n"
    if not re.fullmatch(error, errors):
        sys.exit(f"standard error\nexpected: {error!r}\nactual:   {errors!r}")


def converse(command, answers, values, cause=None):
    """Types answers[i] once prompt i has fully arrived; a prompt with no answer
    must be followed at once by the next. Then the program must exit with its
    standard input still open, as it asks for no more. With a cause, the reader
    goes away before the last answer, so that only the listing is lost."""
    with subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.PIPE) as process:
        try:
            for index, (row, column) in enumerate(CELLS):
                expected = prompt(row, column)
                check(f"prompt {row},{column}", expected, read(process.stdout, len(expected)))
                if cause is not None and index == len(CELLS) - 1:
                    process.stdout.close()
                if index in answers:
                    process.stdin.write(answers[index])
                    process.stdin.flush()
            if cause is None:
                check("listing", listing(values), read(process.stdout))
            ended(process.wait(TIMEOUT), process.stderr.read(), cause)
        finally:
            process.kill()


def run(command, data, output=None, stdout=subprocess.PIPE, cause=None, **options):
    """Runs the program on data given all at once; output is what it must write."""
    done = subprocess.run(command, input=data, stdout=stdout, stderr=subprocess.PIPE, timeout=TIMEOUT, **options)
    ended(done.returncode, done.stderr, cause)
    check("output", output, done.stdout)


CASES = {
    "one-per-prompt": lambda cmd: converse(cmd, {0: b"5\n", 1: b"6\n", 2: b"7\n", 3: b"8\n"}, (5, 6, 7, 8)),
    "all-at-first-prompt": lambda cmd: converse(cmd, {0: b"1 2 3 4\n"}, (1, 2, 3, 4)),
    # Nothing is typed after the letter: the last two prompts must come anyway.
    "letter-at-second-prompt": lambda cmd: converse(cmd, {0: b"9\n", 1: b"x\n"}, (9, 0, 0, 0)),
    "arguments-ignored": lambda cmd: run(cmd + ["/?", "-v"], b"5 6 7 8", PROMPTS + listing((5, 6, 7, 8))),
    "stdin-closed": lambda cmd: run(cmd, None, PROMPTS + listing((0, 0, 0, 0)), preexec_fn=lambda: os.close(0)),
    "stdout-closed": lambda cmd: run(cmd, b"5 6 7 8", stdout=None, cause=b"Bad file descriptor", preexec_fn=lambda: os.close(1)),
    # A Windows C runtime gives EINVAL for a pipe whose reader has gone.
    "stdout-gone-at-listing": lambda cmd: converse(cmd, {0: b"5 6 7\n", 3: b"8\n"}, None, b"Broken pipe|Invalid argument"),
    # The read of a closed standard input fails too, and its errno is not the cause.
    "stdout-full-stdin-closed": lambda cmd: run(cmd, None, stdout=os.open("/dev/full", os.O_WRONLY),
                                                cause=b"No space left on device", preexec_fn=lambda: os.close(0)),
}

if __name__ == "__main__":
    CASES[sys.argv[1]](sys.argv[2:])
