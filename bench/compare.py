#!/usr/bin/env python3
"""Side-by-side benchmark: every script of bench/scripts run by `corvel
--one-shot` and by two other small embeddable engines, `mujs` and `duk`.

Each engine runs each script once to warm up (that run's output is the one
compared), then RUNS times; the report gives per script the median wall time
and the median peak memory (maximum resident set) of each engine, corvel's
time divided by the faster other engine's, and corvel's peak memory divided by
the larger of theirs. The last line is the median time ratio over the set;
scripts marked as exceptions are shown but left out of it.

A script is plain text of our language with a small header of comments:

    // expect SIZE: TEXT     the one line the script prints at that size
    // exception: REASON     shown in the report; left out of the median
    var size = SIZE;         exactly one such line: the size the bench runs

Every engine's output must equal corvel's and, where the header gives one,
the expectation for the size run; a difference is flagged as a mismatch and
makes the exit status 1. `--check` runs each script once through corvel
alone at its smallest expected size (the `var size` line replaced) and
compares the output with the expectation: quick enough for the test suite,
and it does not need the other engines.

The other engines have `print` but no `Debug` object: they run a copy of the
script behind peer-prelude.js, which defines `Debug.trace` with `print`.
Every engine runs with TZ=UTC. Engines not found on the PATH are skipped.
"""

import argparse
import os
import re
import signal
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SCRIPT_DIR = os.path.join(HERE, "scripts")
PRELUDE = os.path.join(HERE, "peer-prelude.js")
PEERS = ("mujs", "duk")

SIZE_LINE = re.compile(r"^var size = (\d+);$", re.M)
EXPECT_LINE = re.compile(r"^// expect (\d+): (.*)$", re.M)
EXCEPTION_LINE = re.compile(r"^// exception: (.*)$", re.M)


class ScriptError(Exception):
    pass


class Script:
    """One benchmark script and what its header says about it."""

    def __init__(self, path):
        self.path = path
        self.name = os.path.splitext(os.path.basename(path))[0]
        with open(path, encoding="latin-1") as f:
            self.text = f.read()
        sizes = SIZE_LINE.findall(self.text)
        if len(sizes) != 1:
            raise ScriptError("%s: needs exactly one line 'var size = N;'" % path)
        self.size = int(sizes[0])
        self.expected = {int(size): text for size, text in EXPECT_LINE.findall(self.text)}
        exception = EXCEPTION_LINE.search(self.text)
        self.exception = exception.group(1) if exception else None

    def sized(self, size):
        """The script's text with its size set to SIZE."""
        return SIZE_LINE.sub("var size = %d;" % size, self.text, count=1)

    def expectation(self, size):
        """The output expected at SIZE, or None when the header gives none."""
        if size not in self.expected:
            return None
        return self.expected[size] + "\n"

    def check_size(self):
        """The smallest size the header gives an expectation for."""
        if not self.expected:
            raise ScriptError("%s: no '// expect SIZE: TEXT' line" % self.path)
        return min(self.expected)


class Engine:
    """A command that runs a script file; peers run behind the prelude."""

    def __init__(self, name, command, needs_prelude):
        self.name = name
        self.command = command
        self.needs_prelude = needs_prelude


class Run:
    """The outcome of one process."""

    def __init__(self, seconds, max_rss_kb, status, output, errors, timed_out):
        self.seconds = seconds
        self.max_rss_kb = max_rss_kb
        self.status = status
        self.output = output
        self.errors = errors
        self.timed_out = timed_out

    @property
    def ok(self):
        return self.status == 0 and not self.timed_out


def engine_environment():
    env = dict(os.environ)
    env["TZ"] = "UTC"
    return env


# A process started by this one carries our own peak memory (some 15 MB of
# Python) through its exec, so the engines' peaks are read by /usr/bin/time,
# whose children start small. Without it, wait4's figure is used, which
# cannot be below ours.
TIME_COMMAND = "/usr/bin/time" if os.access("/usr/bin/time", os.X_OK) else None


def run_once(command, timeout):
    """Runs COMMAND, timing it from start to exit, with its peak memory."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err, \
            tempfile.NamedTemporaryFile(mode="r") as memory:
        if TIME_COMMAND:
            command = [TIME_COMMAND, "-f", "%M", "-o", memory.name] + command
        start = time.perf_counter()
        # A session of its own, so that a timeout stops the engine too, not
        # only /usr/bin/time.
        try:
            proc = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=out,
                                    stderr=err, env=engine_environment(),
                                    start_new_session=True)
        except OSError as error:
            return Run(0.0, 0, 127, "", "%s: %s" % (command[0], error.strerror), False)
        timed_out = threading.Event()

        def stop():
            timed_out.set()
            try:
                os.killpg(proc.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass  # it ended just now

        timer = threading.Timer(timeout, stop)
        timer.start()
        try:
            _, wait_status, usage = os.wait4(proc.pid, 0)
        finally:
            timer.cancel()
        seconds = time.perf_counter() - start
        # wait4 reaped the child; tell the Popen object so.
        proc.returncode = os.waitstatus_to_exitcode(wait_status)
        max_rss_kb = usage.ru_maxrss
        if TIME_COMMAND:
            # The last line; one before it tells of a failed command.
            lines = memory.read().split()
            max_rss_kb = int(lines[-1]) if lines and lines[-1].isdigit() else 0
        out.seek(0)
        err.seek(0)
        return Run(seconds, max_rss_kb, proc.returncode,
                   out.read().decode("latin-1"), err.read().decode("latin-1"),
                   timed_out.is_set())


def script_files(work, script, engine, size):
    """The file ENGINE runs for SCRIPT at SIZE, written once into WORK."""
    path = os.path.join(work, "%s.%s.%d.js" % (script.name, "peer" if engine.needs_prelude else "own", size))
    if not os.path.exists(path):
        text = script.sized(size)
        if engine.needs_prelude:
            with open(PRELUDE, encoding="latin-1") as f:
                text = f.read() + "\n" + text
        with open(path, "w", encoding="latin-1") as f:
            f.write(text)
    return path


def describe_failure(run):
    if run.timed_out:
        return "timed out"
    first = run.errors.strip().splitlines()
    return "exit status %d%s" % (run.status, (": " + first[0]) if first else "")


class Result:
    """The measurements of one script in every engine."""

    def __init__(self, script):
        self.script = script
        self.times = {}      # engine name -> list of seconds
        self.memory = {}     # engine name -> list of KB
        self.problems = []   # texts: failures and mismatches

    def median_time(self, engine):
        runs = self.times.get(engine)
        return statistics.median(runs) if runs else None

    def median_memory(self, engine):
        runs = self.memory.get(engine)
        return statistics.median(runs) if runs else None

    def peer_times(self):
        return [t for t in (self.median_time(p) for p in PEERS) if t is not None]

    def peer_memory(self):
        return [m for m in (self.median_memory(p) for p in PEERS) if m is not None]

    def ratio(self):
        """Corvel's time over the faster peer's."""
        own, peers = self.median_time("corvel"), self.peer_times()
        if own is None or not peers:
            return None
        return own / min(peers)

    def memory_ratio(self):
        """Corvel's peak memory over the larger peer's."""
        own, peers = self.median_memory("corvel"), self.peer_memory()
        if own is None or not peers:
            return None
        return own / max(peers)


def measure(script, engines, runs, timeout, work, progress):
    result = Result(script)
    size = script.size
    expected = script.expectation(size)
    outputs = {}
    for engine in engines:
        path = script_files(work, script, engine, size)
        warm = run_once(engine.command + [path], timeout)
        if not warm.ok:
            result.problems.append("%s failed (%s)" % (engine.name, describe_failure(warm)))
            continue
        outputs[engine.name] = warm.output
        result.times[engine.name] = []
        result.memory[engine.name] = []
    # Without an expectation for this size, corvel's output is the one the
    # others must match.
    reference, against = (expected, "expected") if expected is not None else (outputs.get("corvel"), "corvel")
    for name, output in outputs.items():
        if reference is not None and output != reference:
            result.problems.append("%s printed %r, %s %r" % (name, output, against, reference))
    # Engines take turns, so that a change of the machine's load falls on
    # every engine alike.
    for _ in range(runs):
        for engine in engines:
            if engine.name not in result.times:
                continue
            run = run_once(engine.command + [script_files(work, script, engine, size)], timeout)
            if not run.ok:
                result.problems.append("%s failed (%s)" % (engine.name, describe_failure(run)))
                del result.times[engine.name]
                del result.memory[engine.name]
                continue
            result.times[engine.name].append(run.seconds)
            result.memory[engine.name].append(run.max_rss_kb)
    progress(result)
    return result


def text_of(value, form):
    return "-" if value is None else form % value


def table_rows(results, engines):
    header = ["script"]
    for engine in engines:
        header += ["%s s" % engine.name, "%s MB" % engine.name]
    header += ["time ratio", "memory ratio"]
    rows = []
    for result in results:
        name = result.script.name + (" *" if result.script.exception else "")
        if result.problems:
            name += " !"
        row = [name]
        for engine in engines:
            memory = result.median_memory(engine.name)
            row += [text_of(result.median_time(engine.name), "%.3f"),
                    text_of(None if memory is None else memory / 1024.0, "%.1f")]
        row += [text_of(result.ratio(), "%.2f"), text_of(result.memory_ratio(), "%.2f")]
        rows.append(row)
    return header, rows


def summary_lines(results):
    ratios = [r.ratio() for r in results if not r.script.exception and r.ratio() is not None]
    lines = []
    if ratios:
        lines.append("median time ratio over %d scripts: %.2f (largest %.2f)"
                     % (len(ratios), statistics.median(ratios), max(ratios)))
    for result in results:
        if result.script.exception:
            lines.append("* %s: not in the median; %s" % (result.script.name, result.script.exception))
    for result in results:
        for problem in result.problems:
            lines.append("! %s: %s" % (result.script.name, problem))
    lines.append("time ratio: corvel's median time over the faster other engine's; "
                 "memory ratio: corvel's peak memory over the larger other engine's")
    return lines


def print_text(results, engines, out):
    header, rows = table_rows(results, engines)
    widths = [max(len(row[i]) for row in [header] + rows) for i in range(len(header))]
    for row in [header] + rows:
        cells = [row[0].ljust(widths[0])] + [cell.rjust(width) for cell, width in zip(row[1:], widths[1:])]
        out.write("  ".join(cells).rstrip() + "\n")
    out.write("\n")
    for line in summary_lines(results):
        out.write(line + "\n")


def print_markdown(results, engines, out):
    header, rows = table_rows(results, engines)
    out.write("| " + " | ".join(header) + " |\n")
    out.write("|" + "|".join(["---"] + ["---:"] * (len(header) - 1)) + "|\n")
    for row in rows:
        out.write("| " + " | ".join(row) + " |\n")
    out.write("\n")
    for line in summary_lines(results):
        # The marks would start a nested list.
        if line[:2] in ("* ", "! "):
            line = "`%s` %s" % (line[0], line[2:])
        out.write("- " + line + "\n")


def find_engines(corvel, progress_out):
    engines = [Engine("corvel", [corvel, "--one-shot"], False)]
    missing = []
    for peer in PEERS:
        if shutil.which(peer):
            engines.append(Engine(peer, [peer], True))
        else:
            missing.append(peer)
    if missing:
        progress_out.write("bench-compare: %s not found (Debian packages mujs, duktape); "
                           "skipped\n" % " and ".join(missing))
    return engines


def select_scripts(names):
    available = sorted(f for f in os.listdir(SCRIPT_DIR) if f.endswith(".js"))
    if not names:
        return [os.path.join(SCRIPT_DIR, f) for f in available]
    chosen = []
    for name in names:
        file = name if name.endswith(".js") else name + ".js"
        if file not in available:
            raise ScriptError("no script %s in %s" % (name, SCRIPT_DIR))
        chosen.append(os.path.join(SCRIPT_DIR, file))
    return chosen


def check(scripts, corvel, timeout, work, out):
    """Runs each script once through corvel at its smallest expected size."""
    failures = 0
    own = Engine("corvel", [corvel, "--one-shot"], False)
    for script in scripts:
        size = script.check_size()
        problems = []
        if script.expectation(script.size) is None:
            problems.append("no expectation for its size %d" % script.size)
        run = run_once(own.command + [script_files(work, script, own, size)], timeout)
        if not run.ok:
            problems.append(describe_failure(run))
        elif run.output != script.expectation(size):
            problems.append("printed %r, expected %r" % (run.output, script.expectation(size)))
        elif run.errors:
            problems.append("wrote to standard error: %r" % run.errors)
        if problems:
            failures += 1
            out.write("FAIL %s (size %d): %s\n" % (script.name, size, "; ".join(problems)))
        else:
            out.write("ok   %s (size %d, %.2f s)\n" % (script.name, size, run.seconds))
    return failures == 0


def split_names(values):
    names = []
    for value in values:
        names += [n for n in re.split(r"[,\s]+", value) if n]
    return names


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--corvel", required=True, help="the corvel command to time")
    parser.add_argument("--runs", type=int, default=int(os.environ.get("BENCH_RUNS") or 5),
                        help="timed runs per engine and script after the warm-up (BENCH_RUNS, default 5)")
    parser.add_argument("--timeout", type=float, default=300,
                        help="seconds after which one run is stopped (default 300)")
    parser.add_argument("--markdown", action="store_true", help="write the report as a Markdown table")
    parser.add_argument("--check", action="store_true",
                        help="run each script once through corvel at its small size and compare its output")
    parser.add_argument("scripts", nargs="*",
                        help="script names (default: BENCH_SCRIPTS, else every script)")
    args = parser.parse_args(argv)
    if args.runs < 1:
        parser.error("--runs must be at least 1")
    names = split_names(args.scripts or [os.environ.get("BENCH_SCRIPTS", "")])
    try:
        scripts = [Script(path) for path in select_scripts(names)]
        if args.check:
            with tempfile.TemporaryDirectory() as work:
                return 0 if check(scripts, args.corvel, args.timeout, work, sys.stdout) else 1
        engines = find_engines(args.corvel, sys.stderr)

        def progress(result):
            parts = ["%s %s" % (e.name, text_of(result.median_time(e.name), "%.3f s")) for e in engines]
            sys.stderr.write("%-12s %s%s\n" % (result.script.name, "  ".join(parts),
                                               "  (problems)" if result.problems else ""))
            sys.stderr.flush()

        with tempfile.TemporaryDirectory() as work:
            results = [measure(s, engines, args.runs, args.timeout, work, progress) for s in scripts]
    except ScriptError as error:
        sys.stderr.write("bench-compare: %s\n" % error)
        return 2
    (print_markdown if args.markdown else print_text)(results, engines, sys.stdout)
    return 1 if any(r.problems for r in results) else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
