#!/usr/bin/env python3
"""Tests of the side-by-side benchmark runner, with small shell scripts in
place of the engines, so that they run anywhere and in a moment."""

import contextlib
import io
import os
import sys
import tempfile
import time
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import compare  # noqa: E402

# An engine that prints "seven" for a script of size 3 and "five" for any
# other: it reads the last argument, the script file, with shell built-ins
# only, so that it also works with a PATH that holds nothing else.
ENGINE = """#!/bin/sh
for file; do :; done
answer=five
while IFS= read -r line; do
    [ "$line" = "var size = 3;" ] && answer=seven
done < "$file"
echo $answer
"""

SCRIPT = """// A script for the runner's tests.
// expect 3: seven
// expect 1: five
var size = 3;
"""


class RunnerTest(unittest.TestCase):
    def setUp(self):
        self.work = tempfile.TemporaryDirectory()
        self.dir = self.work.name
        self.scripts = os.path.join(self.dir, "scripts")
        self.bin = os.path.join(self.dir, "bin")
        os.mkdir(self.scripts)
        os.mkdir(self.bin)
        self.saved = (compare.SCRIPT_DIR, os.environ.get("PATH"), os.environ.get("BENCH_SCRIPTS"))
        compare.SCRIPT_DIR = self.scripts
        os.environ["PATH"] = self.bin
        os.environ.pop("BENCH_SCRIPTS", None)
        self.corvel = self.engine("corvel")

    def tearDown(self):
        compare.SCRIPT_DIR, path, scripts = self.saved
        os.environ["PATH"] = path
        if scripts is not None:
            os.environ["BENCH_SCRIPTS"] = scripts
        self.work.cleanup()

    def engine(self, name, text=ENGINE):
        path = os.path.join(self.bin, name)
        with open(path, "w") as f:
            f.write(text)
        os.chmod(path, 0o755)
        return path

    def script(self, name, text=SCRIPT):
        with open(os.path.join(self.scripts, name + ".js"), "w") as f:
            f.write(text)

    def run_main(self, *args):
        out, err = io.StringIO(), io.StringIO()
        with contextlib.redirect_stdout(out), contextlib.redirect_stderr(err):
            status = compare.main(["--corvel", self.corvel, "--runs", "1"] + list(args))
        return status, out.getvalue(), err.getvalue()

    def table_row(self, out, name):
        rows = [line for line in out.splitlines() if line.split() and line.split()[0] == name]
        self.assertEqual(len(rows), 1, out)
        return rows[0]


class CheckModeTest(RunnerTest):
    def test_runs_each_script_at_its_smallest_expected_size(self):
        self.script("small")
        status, out, _ = self.run_main("--check")
        self.assertEqual(status, 0, out)
        self.assertIn("ok   small (size 1,", out)

    def test_a_wrong_output_or_a_missing_expectation_fails(self):
        self.script("wrong", SCRIPT.replace("expect 1: five", "expect 1: six"))
        self.script("unsized", SCRIPT.replace("expect 3: seven", "expect 2: seven"))
        status, out, _ = self.run_main("--check")
        self.assertEqual(status, 1)
        self.assertIn("FAIL wrong (size 1): printed 'five\\n', expected 'six\\n'", out)
        self.assertIn("FAIL unsized (size 1): no expectation for its size 3", out)

    def test_a_failing_engine_fails_the_check(self):
        self.corvel = self.engine("corvel", "#!/bin/sh\necho broken >&2\nexit 1\n")
        self.script("small")
        status, out, _ = self.run_main("--check")
        self.assertEqual(status, 1)
        self.assertIn("exit status 1: broken", out)
        # One that cannot be started at all.
        self.corvel = os.path.join(self.bin, "absent")
        status, out, _ = self.run_main("--check")
        self.assertEqual(status, 1)
        self.assertIn("FAIL small (size 1): exit status 127", out)

    def test_a_malformed_header_stops_with_status_2(self):
        self.script("twice", SCRIPT + "var size = 4;\n")
        status, _, err = self.run_main("--check")
        self.assertEqual(status, 2)
        self.assertIn("needs exactly one line 'var size = N;'", err)


class CompareTest(RunnerTest):
    def test_every_engine_measured_when_all_agree(self):
        self.engine("mujs")
        self.engine("duk")
        self.script("same")
        status, out, err = self.run_main()
        self.assertEqual(status, 0, out + err)
        row = self.table_row(out, "same")
        self.assertNotIn("!", row)
        # Two times and two sizes per engine, then the two ratios.
        self.assertEqual(len(row.split()), 9, row)
        self.assertIn("median time ratio over 1 scripts", out)

    def test_an_engine_that_prints_something_else_is_flagged(self):
        self.engine("mujs")
        self.engine("duk", "#!/bin/sh\necho eight\n")
        self.script("differs")
        status, out, _ = self.run_main()
        self.assertEqual(status, 1)
        self.assertIn("differs !", out)
        self.assertIn("! differs: duk printed 'eight\\n', expected 'seven\\n'", out)
        self.assertNotIn("mujs printed", out)

    def test_without_expectation_the_others_must_match_corvel(self):
        self.engine("mujs", "#!/bin/sh\necho other\n")
        self.engine("duk")
        self.script("plain", "var size = 2;\n")
        status, out, _ = self.run_main()
        self.assertEqual(status, 1)
        self.assertIn("! plain: mujs printed 'other\\n', corvel 'five\\n'", out)

    def test_missing_engines_are_skipped_with_one_line(self):
        self.script("alone")
        status, out, err = self.run_main()
        self.assertEqual(status, 0, out + err)
        self.assertEqual([line for line in err.splitlines() if "not found" in line],
                         ["bench-compare: mujs and duk not found (Debian packages mujs, duktape); skipped"])
        row = self.table_row(out, "alone")
        self.assertEqual(row.split()[-2:], ["-", "-"], row)

    def test_exceptions_are_marked_and_left_out_of_the_median(self):
        self.engine("mujs")
        self.engine("duk")
        self.script("normal")
        self.script("sorting", "// exception: a different algorithm\n" + SCRIPT)
        status, out, _ = self.run_main("--markdown")
        self.assertEqual(status, 0, out)
        self.assertIn("| sorting * |", out)
        self.assertIn("median time ratio over 1 scripts", out)
        self.assertIn("- `*` sorting: not in the median; a different algorithm", out)

    def test_a_subset_by_name_and_an_unknown_name(self):
        self.script("one")
        self.script("two")
        os.environ["BENCH_SCRIPTS"] = "two"
        status, out, _ = self.run_main()
        self.assertEqual(status, 0)
        self.assertNotIn("one", out)
        self.table_row(out, "two")
        status, _, err = self.run_main("three")
        self.assertEqual(status, 2)
        self.assertIn("no script three", err)

    def test_a_run_past_the_timeout_is_stopped_with_its_children(self):
        pid_file = os.path.join(self.dir, "pid")
        self.corvel = self.engine("corvel", "#!/bin/sh\necho $$ > %s\nexec /bin/sleep 30\n" % pid_file)
        self.script("slow")
        started = time.monotonic()
        status, out, _ = self.run_main("--timeout", "0.5")
        self.assertLess(time.monotonic() - started, 10)
        self.assertEqual(status, 1)
        self.assertIn("! slow: corvel failed (timed out)", out)
        with open(pid_file) as f:
            pid = int(f.read())
        self.assertFalse(self.running(pid), "the engine outlived its timeout")

    @staticmethod
    def running(pid):
        # A killed orphan may stay a zombie until someone reaps it.
        for _ in range(50):
            try:
                with open("/proc/%d/stat" % pid) as f:
                    state = f.read().rsplit(")", 1)[1].split()[0]
            except FileNotFoundError:
                return False
            if state == "Z":
                return False
            time.sleep(0.1)
        return True


if __name__ == "__main__":
    unittest.main()
