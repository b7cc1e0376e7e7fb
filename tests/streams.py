"""Drives the program through real pipes:
python3 streams.py CASE -- COMMAND...

Each case passes silently and exits 0, or prints what went wrong and exits 1.
Every wait has a generous time-out, so a program that hangs fails the case
instead of stalling the suite; nothing here sleeps.
"""

import os
import selectors
import subprocess
import sys

TIMEOUT = 60.0  # seconds; emulators and memcheck are slow to start


CELLS = ((0, 0), (0, 1), (1, 0), (1, 1))  # row by row, as the program asks


def prompt(row, column):
    return f"Enter a value for 2-D array index {row},{column}: ".encode()


def listing(values):
    return "".join(f"valueGrid[{r}][{c}] = {v}" for (r, c), v in zip(CELLS, values)).encode()


PROMPTS = b"".join(prompt(r, c) for r, c in CELLS)


class Failure(Exception):
    pass


def expect_equal(what, expected, actual):
    if expected != actual:
        raise Failure(f"{what}\nexpected: {expected!r}\nactual:   {actual!r}")


def read(stream, count=None):
    """Reads count bytes, or up to the end of output when count is None.

    Fewer come back only if the output ends first; a wait of TIMEOUT with
    nothing arriving fails the case.
    """
    data = b""
    with selectors.DefaultSelector() as selector:
        selector.register(stream, selectors.EVENT_READ)
        while count is None or len(data) < count:
            if not selector.select(TIMEOUT):
                raise Failure(f"nothing more written for {TIMEOUT} s; so far: {data!r}")
            chunk = os.read(stream.fileno(), 65536 if count is None else count - len(data))
            if not chunk:
                break
            data += chunk
    return data


def finish(process):
    """Waits for the exit with standard input still open, as the program must
    not wait for more input than it asks for; then checks status 0 and a
    silent standard error."""
    try:
        status = process.wait(TIMEOUT)
    except subprocess.TimeoutExpired:
        raise Failure(f"still running {TIMEOUT} s after its last prompt") from None
    process.stdin.close()
    expect_equal("exit status", 0, status)
    expect_equal("standard error", b"", process.stderr.read())


def start(command, **streams):
    streams.setdefault("stdin", subprocess.PIPE)
    streams.setdefault("stdout", subprocess.PIPE)
    return subprocess.Popen(command, stderr=subprocess.PIPE, **streams)


def converse(command, answers, expected_values):
    """Answers each prompt only once it has fully arrived.

    answers maps a prompt's position to the text typed there; a prompt with
    no answer must be followed at once by the next one, with nothing typed.
    """
    with start(command) as process:
        try:
            for index, (row, column) in enumerate(CELLS):
                expected = prompt(row, column)
                expect_equal(f"prompt {row},{column}", expected, read(process.stdout, len(expected)))
                if index in answers:
                    process.stdin.write(answers[index])
                    process.stdin.flush()
            expect_equal("listing", listing(expected_values), read(process.stdout))
            finish(process)
        finally:
            if process.poll() is None:
                process.kill()


def one_per_prompt(command):
    converse(command, {0: b"5\n", 1: b"6\n", 2: b"7\n", 3: b"8\n"}, (5, 6, 7, 8))


def all_at_first_prompt(command):
    converse(command, {0: b"1 2 3 4\n"}, (1, 2, 3, 4))


def letter_at_second_prompt(command):
    # The failed read leaves nothing more to wait for: the last two prompts
    # must come without anything typed.
    converse(command, {0: b"9\n", 1: b"x\n"}, (9, 0, 0, 0))


def run_with_input(command, data, **streams):
    with start(command, **streams) as process:
        try:
            output, errors = process.communicate(data, TIMEOUT)
        except subprocess.TimeoutExpired:
            process.kill()
            raise Failure(f"still running after {TIMEOUT} s") from None
    expect_equal("exit status", 0, process.returncode)
    expect_equal("standard error", b"", errors)
    return output


def arguments_ignored(command):
    output = run_with_input(command + ["--help", "-v", "1"], b"5 6 7 8")
    expect_equal("output", PROMPTS + listing((5, 6, 7, 8)), output)


def stdin_closed(command):
    output = run_with_input(command, None, stdin=None, preexec_fn=lambda: os.close(0))
    expect_equal("output", PROMPTS + listing((0, 0, 0, 0)), output)


def stdout_closed(command):
    run_with_input(command, b"5 6 7 8", stdout=None, preexec_fn=lambda: os.close(1))


def stdout_reader_gone(command):
    read_end, write_end = os.pipe()
    os.close(read_end)
    try:
        run_with_input(command, b"5 6 7 8", stdout=write_end)
    finally:
        os.close(write_end)


CASES = {
    "one-per-prompt": one_per_prompt,
    "all-at-first-prompt": all_at_first_prompt,
    "letter-at-second-prompt": letter_at_second_prompt,
    "arguments-ignored": arguments_ignored,
    "stdin-closed": stdin_closed,
    "stdout-closed": stdout_closed,
    "stdout-reader-gone": stdout_reader_gone,
}


def main(argv):
    if len(argv) < 4 or argv[2] != "--" or argv[1] not in CASES:
        sys.exit(f"usage: {argv[0]} {{{','.join(CASES)}}} -- COMMAND...")
    try:
        CASES[argv[1]](argv[3:])
    except Failure as failure:
        print(f"{argv[1]}: {failure}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
