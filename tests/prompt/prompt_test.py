#!/usr/bin/env python3
"""The corvel prompt driven as a person would: through a pseudo-terminal,
one key at a time. Also the command line around it, without a terminal.

usage: prompt_test.py CORVEL CASE [--no-line-editing]
CASE is one of the functions named test_* below, without the prefix.
"""
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

ENTER = "\r"
CTRL_C = "\x03"
CTRL_D = "\x04"
ESCAPE = "\x1b"
UP = "\x1b[A"

# Sanitized builds run several times slower.
TIMEOUT = float(os.environ.get("PROMPT_TEST_TIMEOUT", "20"))


class Failure(Exception):
    pass


class Terminal:
    """corvel on the other side of a pseudo-terminal."""

    def __init__(self, corvel, env, args=()):
        self.pid, self.fd = pty.fork()
        if self.pid == 0:
            try:
                os.execve(corvel, [corvel, *args], env)
            finally:
                os._exit(127)
        fcntl.ioctl(self.fd, termios.TIOCSWINSZ, struct.pack("HHHH", 24, 80, 0, 0))
        self.output = b""
        self.seen = 0  # output before this offset has been matched already

    def type(self, text):
        """Types the keys one by one, a little apart, as fingers do."""
        for key in split_keys(text):
            os.write(self.fd, key.encode())
            time.sleep(0.01)
            self.read_available()

    def enter(self, line):
        self.type(line + ENTER)

    def read_available(self, wait=0.0):
        ready, _, _ = select.select([self.fd], [], [], wait)
        if not ready:
            return False
        try:
            chunk = os.read(self.fd, 65536)
        except OSError:  # the other side has gone
            return False
        self.output += chunk
        return bool(chunk)

    def expect(self, text, timeout=TIMEOUT):
        """Waits until `text` appears in output not yet matched."""
        wanted = text.encode()
        deadline = time.monotonic() + timeout
        while True:
            found = self.output.find(wanted, self.seen)
            if found >= 0:
                self.seen = found + len(wanted)
                return
            if time.monotonic() > deadline:
                raise Failure("waited for %r; the terminal shows, since the last match:\n%s"
                              % (text, self.output[self.seen:].decode(errors="replace")))
            if not self.read_available(0.05) and self.exited(block=False):
                self.read_available(0.2)
                if self.output.find(wanted, self.seen) < 0:
                    raise Failure("corvel ended while waiting for %r; it showed:\n%s"
                                  % (text, self.output[self.seen:].decode(errors="replace")))

    def expect_line(self, text, timeout=TIMEOUT):
        """A whole output line, so that the echo of what was typed does not count."""
        self.expect("\r\n" + text + "\r\n", timeout)
        # The line break that ended the line may start the next match.
        self.seen -= 2

    def expect_prompt(self):
        self.expect("> ")

    status = None

    def exited(self, block):
        if self.status is None:
            pid, status = os.waitpid(self.pid, 0 if block else os.WNOHANG)
            if pid == 0:
                return False
            self.status = status
        return True

    def finish(self, timeout=TIMEOUT):
        """Waits for corvel to end; answers its exit status."""
        deadline = time.monotonic() + timeout
        while not self.exited(block=False):
            self.read_available(0.05)
            if time.monotonic() > deadline:
                os.kill(self.pid, 9)
                raise Failure("corvel did not end; it showed:\n%s" % self.output.decode(errors="replace"))
        while self.read_available(0.05):
            pass
        os.close(self.fd)
        if os.WIFSIGNALED(self.status):
            raise Failure("corvel was killed by signal %d; it showed:\n%s"
                          % (os.WTERMSIG(self.status), self.output.decode(errors="replace")))
        return os.WEXITSTATUS(self.status)


def split_keys(text):
    """Escape sequences of cursor keys go as one key."""
    keys, at = [], 0
    while at < len(text):
        if text.startswith("\x1b[", at) and at + 2 < len(text):
            keys.append(text[at:at + 3])
            at += 3
        else:
            keys.append(text[at])
            at += 1
    return keys


def environment(home, state=None):
    env = {key: value for key, value in os.environ.items()
           if key.startswith(("ASAN_", "UBSAN_", "LSAN_", "PATH", "LANG", "LC_"))}
    env.update(HOME=home, TERM="xterm")
    if state is not None:
        env["XDG_STATE_HOME"] = state
    return env


def leave(terminal):
    terminal.expect_prompt()
    # A person does not answer within microseconds: a Ctrl-D typed between
    # the prompt's appearing and the editor's taking the terminal would be
    # the terminal's own end of input, which the editor never sees.
    time.sleep(0.2)
    terminal.type(CTRL_D)
    status = terminal.finish()
    if status != 0:
        raise Failure("Ctrl-D left with status %d" % status)


def test_definitions(corvel, folder, editing):
    """Definitions persist; a function over several lines; errors keep what was defined."""
    t = Terminal(corvel, environment(folder, folder + "/state"))
    t.expect_prompt()
    t.enter("var x = 6;")
    t.enter("x * 7")
    t.expect_line("42")
    t.enter("function sq(n) {")
    t.expect("... ")
    t.enter("    var square = n * n;")
    t.expect("... ")
    t.enter("    return square;")
    t.enter("}")
    t.enter("sq(x)")
    t.expect_line("36")
    # A run-time error in the middle of an entry: what came before it ran.
    t.enter("x = 8; nothing.here = 1; x = 9;")
    t.expect("<entry 5> (1, -1) : ")
    t.enter("x")
    t.expect_line("8")
    # A syntax error runs nothing of the entry.
    t.enter("x = 100; var = ;")
    t.expect("Syntax Error")
    t.enter('sq(3) + " and " + x')
    t.expect_line('"9 and 8"')
    # Output without a line break does not hide under the next prompt.
    t.enter('Debug.trace("no line break")')
    t.expect("no line break\r\n> ")
    t.enter("wait(0.2); Debug.trace(\"after the wait\\n\");")
    t.expect_line("after the wait")
    leave(t)


def test_interrupt(corvel, folder, editing):
    """Ctrl-C and Escape stop a running entry and the prompt answers again."""
    t = Terminal(corvel, environment(folder, folder + "/state"))
    t.expect_prompt()
    t.enter("var n = 0;")
    t.enter("while (true) { n++; }")
    time.sleep(0.5)
    t.type(CTRL_C)
    t.expect_line("interrupted")
    t.enter("n > 0")
    t.expect_line("true")
    t.enter("while (true) {}")
    time.sleep(0.3)
    t.type(ESCAPE)
    t.expect_line("interrupted")
    t.enter("1 + 1")
    t.expect_line("2")
    # A long wait is cut short too.
    started = time.monotonic()
    t.enter("wait(60); n = -1;")
    time.sleep(0.3)
    t.type(CTRL_C)
    t.expect_line("interrupted")
    if time.monotonic() - started > 30:
        raise Failure("the wait was not interrupted")
    t.enter("n > 0")
    t.expect_line("true")
    # Ctrl-C while typing throws the unfinished entry away.
    t.type("function half(")
    t.type(CTRL_C)
    t.expect_prompt()
    t.enter("2 * 2")
    t.expect_line("4")
    leave(t)


def test_history(corvel, folder, editing):
    """Lines typed in one sitting can be recalled in the next."""
    if not editing:
        print("skipped: this corvel was built without line editing")
        return 77
    state = folder + "/state"
    first = Terminal(corvel, environment(folder, state))
    first.expect_prompt()
    first.enter("6 * 111")
    first.expect_line("666")
    leave(first)
    saved = open(state + "/corvel/history", encoding="utf-8", errors="replace").read()
    # The editor's file writes blanks as octal escapes.
    if "6 * 111" not in saved.replace("\\040", " "):
        raise Failure("the history file does not hold the line:\n" + saved)

    second = Terminal(corvel, environment(folder, state))
    second.expect_prompt()
    second.type(UP + ENTER)
    second.expect_line("666")
    leave(second)

    # Without XDG_STATE_HOME the history goes under the home folder.
    home = folder + "/home"
    os.mkdir(home)
    third = Terminal(corvel, environment(home))
    third.expect_prompt()
    third.enter("1")
    third.expect_line("1")
    leave(third)
    if not os.path.isfile(home + "/.local/state/corvel/history"):
        raise Failure("no history under ~/.local/state/corvel")


def run(corvel, args, text=""):
    return subprocess.run([corvel, *args], input=text.encode(), capture_output=True, timeout=TIMEOUT)


def test_command_line(corvel, folder, editing):
    """--help, --version, usage errors, and standard input when it is not a terminal."""
    done = run(corvel, ["--help"])
    help_text = done.stdout.decode()
    if done.returncode != 0:
        raise Failure("--help exit status %d" % done.returncode)
    for option in ["--one-shot", "--time-limit", "--check", "--format", "--dump", "--highlight",
                   "--highlight=html", "-i", "--help", "--version"]:
        if option not in help_text:
            raise Failure("--help does not mention " + option)
    done = run(corvel, ["--version"])
    if done.returncode != 0 or not done.stdout.decode().startswith("corvel "):
        raise Failure("--version printed %r" % done.stdout)
    done = run(corvel, ["--frobnicate", "x.js"])
    if done.returncode != 2 or "unknown option '--frobnicate'" not in done.stderr.decode():
        raise Failure("an unknown option gave status %d and %r" % (done.returncode, done.stderr))
    # No file and standard input not a terminal: the script comes from there.
    done = run(corvel, [], 'function f(a) { return a + 1; }\nDebug.trace(f(41) + "\\n");\n')
    if done.returncode != 0 or done.stdout != b"42\n":
        raise Failure("a script on standard input gave %d, %r, %r" % (done.returncode, done.stdout, done.stderr))
    # -i reads entries from a pipe as well; prompts go to standard error.
    done = run(corvel, ["-i"], "var a = 2;\nfunction g(b) {\nreturn a * b;\n}\ng(21)\n")
    if done.returncode != 0 or done.stdout != b"42\n":
        raise Failure("-i over a pipe gave %d, %r, %r" % (done.returncode, done.stdout, done.stderr))
    # -i with a file runs it first and keeps its definitions.
    script = folder + "/defs.js"
    with open(script, "w") as file:
        file.write("var base = 40;\nfunction plus(n) { return base + n; }\n")
    done = run(corvel, ["-i", script], "plus(2)\n")
    if done.returncode != 0 or done.stdout != b"42\n":
        raise Failure("-i FILE gave %d, %r, %r" % (done.returncode, done.stdout, done.stderr))
    # A memory limit ends an entry that grows without bound; the next one runs.
    grow = "var list = null;\nwhile (true) { var o = new Object(); o.next = list; list = o; }\n"
    done = run(corvel, ["-i", "--memory-limit", "8"], grow + "6 * 7\n")
    if done.stdout != b"42\n" or b"Out of memory" not in done.stderr:
        raise Failure("-i --memory-limit gave %d, %r, %r" % (done.returncode, done.stdout, done.stderr))


def main():
    corvel, case = sys.argv[1], sys.argv[2]
    editing = "--no-line-editing" not in sys.argv[3:]
    test = globals().get("test_" + case)
    if not test:
        sys.exit("no case " + case)
    with tempfile.TemporaryDirectory() as folder:
        try:
            status = test(os.path.realpath(corvel), folder, editing)
        except Failure as failure:
            print("%s: %s" % (case, failure))
            return 1
    return status or 0


if __name__ == "__main__":
    sys.exit(main())
