#!/usr/bin/env python3
"""Runs every tests/e2e/test_*.py against a MinGW build and ends with "N passed, N failed".

usage: run.py BUILD_DIR [--with-32 TREE] [-k SUBSTRING] [--keep] [-j JOBS]

A test that errors, times out or is skipped counts as failed: nothing is left out silently.
With -j above 1 (the default is RVLN_E2E_JOBS, else 2) the tests are shared out by test class
among that many worker processes, each with its own display and Wine session: the tests mostly
wait for Wine, so two sessions side by side take little more than half the time.

With --with-32 TREE a smoke subset (SMOKE_32) also runs against TREE's RVLN.EXE, in the same
workers and the same booted prefix (Wine runs 32-bit programs in a 64-bit prefix); those tests
are named after their class with the suffix _i686, so "-k _i686" runs them alone. The probe stays
the 64-bit one of BUILD_DIR. On a machine that cannot run 32-bit programs at all (a kernel without
32-bit support) the subset is not run, and the run says so and why in a line starting "NOT RUN".
"""

import argparse
import os
import re
import shutil
import signal
import subprocess
import sys
import threading
import time
import traceback
import unittest
from pathlib import Path

HERE = Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))
# The tests run from the source tree; compiled copies of them would only litter it.
sys.dont_write_bytecode = True

import harness  # noqa: E402

# Every harness call has its own timeout; this one catches a test that loops on its own.
PER_TEST_TIMEOUT = 300

# What must work in the 32-bit program too: start-up and single instance, the method lists of both
# families, the TEST method with its fresh copy, and the help switch.
SMOKE_32 = (
    "test_startup.SingleInstanceTest.test_second_start_ends_by_itself",
    "test_engine.MethodListTest.test_windows_98_offers_eleven_methods",
    "test_engine.MethodListTest.test_windows_nt4_offers_ten_methods",
    "test_engine.TestMessageTest.test_box_then_a_fresh_copy_started_with_q",
    "test_cmdline.HelpTest.test_help_writes_the_file_and_starts_the_viewer",
)
SUFFIX_32 = "_i686"


class TestTimeout(Exception):
    pass


def _on_alarm(signum, frame):
    raise TestTimeout(f"test ran longer than {PER_TEST_TIMEOUT}s")


class Result(unittest.TestResult):
    def __init__(self):
        super().__init__()
        self.passed = []
        self.failed = []
        self._started = 0.0

    def startTest(self, test):
        super().startTest(test)
        self._started = time.monotonic()
        signal.alarm(PER_TEST_TIMEOUT)

    def stopTest(self, test):
        signal.alarm(0)
        super().stopTest(test)

    def _report(self, test, verdict, detail=None):
        elapsed = time.monotonic() - self._started
        print(f"{verdict} {test.id()} ({elapsed:.1f}s)", flush=True)
        if detail:
            print("    " + detail.rstrip().replace("\n", "\n    "), flush=True)

    def addSuccess(self, test):
        super().addSuccess(test)
        self.passed.append(test.id())
        self._report(test, "PASS")

    def addFailure(self, test, err):
        super().addFailure(test, err)
        self.failed.append(test.id())
        self._report(test, "FAIL", self._exc_info_to_string(err, test))

    def addError(self, test, err):
        super().addError(test, err)
        self.failed.append(test.id())
        self._report(test, "FAIL", self._exc_info_to_string(err, test))

    def addSkip(self, test, reason):
        super().addSkip(test, reason)
        self.failed.append(test.id())
        self._report(test, "FAIL", f"skipped: {reason}")

    def addExpectedFailure(self, test, err):
        super().addExpectedFailure(test, err)
        self.failed.append(test.id())
        self._report(test, "FAIL", "expected failure counts as failure")

    def addUnexpectedSuccess(self, test):
        super().addUnexpectedSuccess(test)
        self.failed.append(test.id())
        self._report(test, "FAIL", "unexpected success")

    def addSubTest(self, test, subtest, err):
        super().addSubTest(test, subtest, err)
        if err is not None:
            self.failed.append(subtest.id())
            self._report(subtest, "FAIL", self._exc_info_to_string(err, test))


def _flatten(suite):
    for item in suite:
        if isinstance(item, unittest.TestSuite):
            yield from _flatten(item)
        else:
            yield item


class MissingTest(unittest.TestCase):
    """Stands for a test that was asked for by name but not found, so that it counts as failed."""

    def __init__(self, test_id):
        super().__init__("runTest")
        self._id = test_id

    def id(self):
        return self._id

    def runTest(self):
        self.fail(f"no test {self._id} (renamed or removed?)")


def _smoke_32(tests, tree):
    """Copies of the SMOKE_32 tests that run tree's RVLN.EXE: each in a subclass of its own class
    named with SUFFIX_32, which sets program_tree."""
    by_id = {t.id(): t for t in tests}
    variants = {}
    for test_id in SMOKE_32:
        test = by_id.get(test_id)
        if test is None:
            module, cls, method = test_id.split(".")
            yield MissingTest(f"{module}.{cls}{SUFFIX_32}.{method}")
            continue
        cls = type(test)
        if cls not in variants:
            variants[cls] = type(cls.__name__ + SUFFIX_32, (cls,),
                                 {"program_tree": str(tree), "__module__": cls.__module__,
                                  "__qualname__": cls.__qualname__ + SUFFIX_32})
        yield variants[cls](test._testMethodName)


def _retry_failed_once(tests, result):
    """Runs each failed test once more in a fresh prefix. Wine under load now and then refuses a
    session end or misses a deadline; a test that passes the second time counts as passed but is
    named FLAKY in the output, so it is seen and mended rather than hidden."""
    again = [t for t in tests if t.id() in result.failed]
    if not again:
        return
    print(f"running {len(again)} failed test(s) once more", flush=True)
    retry = Result()
    for test in again:
        test(retry)
    for test_id in retry.passed:
        if test_id not in retry.failed:
            result.failed = [f for f in result.failed if f != test_id]
            result.passed.append(test_id)
            print(f"FLAKY {test_id}: failed once, passed when run again", flush=True)


def _shares(test_ids, count):
    """Splits the tests into count lists, whole test classes at a time (a class may share set-up),
    the larger classes first, each to the list with the fewest tests so far. Every worker
    computes the same split from the same discovery."""
    classes = {}
    for test_id in test_ids:
        classes.setdefault(test_id.rsplit(".", 1)[0], []).append(test_id)
    shares = [[] for _ in range(count)]
    for name in sorted(classes, key=lambda c: (-len(classes[c]), c)):
        min(shares, key=len).extend(classes[name])
    return shares


def _run_workers(args, count):
    """Runs count workers side by side, passes their lines on with a worker tag, and sums their
    closing "N passed, N failed" lines. A worker that prints no such line counts its whole share
    as failed, so nothing goes missing when a session cannot start."""
    command = [sys.executable, str(Path(__file__).resolve()), args.build_dir]
    if args.with_32:
        command += ["--with-32", args.with_32]
    if args.pattern:
        command += ["-k", args.pattern]
    if args.keep:
        command.append("--keep")
    workers = [subprocess.Popen(command + ["--worker", f"{i}/{count}"], stdout=subprocess.PIPE,
                                stderr=subprocess.STDOUT, text=True, errors="replace")
               for i in range(count)]
    totals = [None] * count
    lock = threading.Lock()

    def pump(i, proc):
        for line in proc.stdout:
            match = re.match(r"^(\d+) passed, (\d+) failed$", line.strip())
            if match:
                totals[i] = (int(match.group(1)), int(match.group(2)))
                continue
            with lock:
                print(f"[{i + 1}] {line}", end="", flush=True)
        proc.wait()

    threads = [threading.Thread(target=pump, args=(i, p)) for i, p in enumerate(workers)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    passed = failed = 0
    for i, (proc, total) in enumerate(zip(workers, totals)):
        if total is None:
            print(f"worker {i + 1} ended (exit code {proc.returncode}) without a result")
            failed += 1
        else:
            passed += total[0]
            failed += total[1]
            if proc.returncode != 0 and total[1] == 0:
                failed += 1
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build_dir", help="MinGW build tree holding win32/RVLN.EXE and tests/e2e/probe.exe")
    parser.add_argument("--with-32", dest="with_32", default="", metavar="TREE",
                        help="also run the 32-bit smoke subset against TREE/win32/RVLN.EXE")
    parser.add_argument("-k", dest="pattern", default="", help="run only tests whose id contains this")
    parser.add_argument("--keep", action="store_true", help="keep the Wine prefixes for inspection")
    parser.add_argument("-j", dest="jobs", type=int,
                        default=int(os.environ.get("RVLN_E2E_JOBS", "2")),
                        help="worker processes, each with its own Wine session")
    parser.add_argument("--worker", default="", help=argparse.SUPPRESS)
    args = parser.parse_args()

    loader = unittest.TestLoader()
    discovered = loader.discover(str(HERE), pattern="test_*.py", top_level_dir=str(HERE))
    tests = list(_flatten(discovered))
    if args.with_32:
        reason = harness.why_no_32_bit()
        if reason is None:
            tests += list(_smoke_32(tests, Path(args.with_32).resolve()))
        elif not args.worker:
            print(f"NOT RUN: the {len(SMOKE_32)} 32-bit smoke tests: {reason}", flush=True)
    tests = [t for t in tests if args.pattern in t.id()]
    # Import errors surface as failing placeholder tests; keep them so they are counted.
    if not tests:
        print("no end-to-end tests found")
        print("0 passed, 1 failed")
        return 1

    build = Path(args.build_dir).resolve()
    needed = [build / "tests" / "e2e" / "probe.exe"]
    if args.with_32 and harness.why_no_32_bit() is None:
        needed.append(Path(args.with_32).resolve() / "win32" / "RVLN.EXE")
    missing = [p for p in needed if not p.exists()]
    if missing:
        print(f"cannot run: {', '.join(map(str, missing))} missing")
        print(f"0 passed, {len(tests)} failed")
        return 1

    if not args.pattern and not args.worker:
        # A full run starts from a clean slate so no stale screenshot passes for a new one.
        shutil.rmtree(harness.artifacts_for(build), ignore_errors=True)

    if args.worker:
        index, count = (int(n) for n in args.worker.split("/"))
        share = set(_shares([t.id() for t in tests], count)[index])
        tests = [t for t in tests if t.id() in share]
    elif args.jobs > 1:
        shares = [s for s in _shares([t.id() for t in tests], args.jobs) if s]
        if len(shares) > 1:
            return _run_workers(args, len(shares))

    signal.signal(signal.SIGALRM, _on_alarm)
    started = time.monotonic()
    try:
        signal.alarm(600)
        session = harness.Session(build, keep=args.keep)
        signal.alarm(0)
    except (harness.HarnessError, TestTimeout, OSError) as exc:
        signal.alarm(0)
        traceback.print_exc()
        print(f"cannot run: the Wine session did not start: {exc}")
        print(f"0 passed, {len(tests)} failed")
        return 1
    harness.set_session(session)
    print(f"Wine session ready on display {session.display_name} "
          f"({time.monotonic() - started:.1f}s)", flush=True)

    result = Result()
    try:
        for test in tests:
            test(result)
        _retry_failed_once(tests, result)
    finally:
        harness.close_session()

    print(f"{len(result.passed)} passed, {len(result.failed)} failed")
    return 1 if result.failed else 0


if __name__ == "__main__":
    os.environ.setdefault("PYTHONUNBUFFERED", "1")
    sys.exit(main())
