#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Mutation run: do the tests notice a plausible fault in the core?

Applies the single mutations listed in mutations.txt to the source one at a time, builds the
test executables incrementally in their own build folder, runs the mutated area's tests first
and then the other tests that link the core, and stops at the first failing test. A mutation is
"caught" when a test fails (or times out), "missed" when the whole suite passes, "did not
compile" when the build fails, and "stale" when its original text is no longer in the file.
Stale and uncompilable mutations are not counted in the caught share.

The source file is always written back, on an error or Ctrl-C too; a run killed hard leaves a
copy in <build>/mutation-backup that the next run puts back before it starts.

    nice -n 19 tools/mutation/mutate.py                       # every mutation
    nice -n 19 tools/mutation/mutate.py --area store           # one area
    nice -n 19 tools/mutation/mutate.py --sample 5 --seed 7    # a small random sample
    tools/mutation/mutate.py --check                           # stale ones only, no build
"""

import argparse
import json
import os
import random
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass, field
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
DEFAULT_LIST = Path(__file__).resolve().parent / "mutations.txt"
AREAS = ["platform", "calendar", "meals", "food", "goals", "charts", "recipes", "store", "links",
         "nutrition", "export"]


@dataclass
class Mutation:
    number: int
    area: str
    file: str
    what: str
    original: str
    replacement: str
    occurrence: int = 0  # 0: the original must occur once; n: its n-th occurrence
    line: int = 0  # where it starts in the list, for messages


@dataclass
class Test:
    name: str
    target: str
    area: str
    gui: bool = False
    seconds: float = 0.0


# The core's libraries, bottom up.
LIBRARIES = ["corvalo_food", "corvalo_core"]

# Test executables that run another executable of the build besides their own.
ALSO_RUNS = {"cli_core_tests": ["corvalo-cli"], "cli_gui_tests": ["corvalo-cli"]}

# Targets that build every test executable of a layer (tests/CMakeLists.txt).
ALL_TESTS = {"core": "corvalo_tests_core", "gui": "corvalo_tests_gui"}


@dataclass
class Outcome:
    mutation: Mutation
    verdict: str  # caught, missed, did not compile, stale
    detail: str = ""
    seconds: float = 0.0


class ListError(Exception):
    pass


def parse_list(path):
    """Blocks of 'key: value' lines, separated by blank lines; '#' starts a comment line.
    The value starts after the first ': ' and runs to the end of the line, spaces included; a
    line starting with '+' continues the value above on a new line, taken as it is."""
    mutations, block, start, last = [], {}, 0, None
    keys = {"area", "file", "what", "from", "to", "occurrence"}

    def finish():
        nonlocal block
        if not block:
            return
        missing = {"area", "file", "what", "from", "to"} - block.keys()
        if missing:
            raise ListError(f"{path}:{start}: missing {', '.join(sorted(missing))}")
        if block["area"] not in AREAS:
            raise ListError(f"{path}:{start}: unknown area '{block['area']}'")
        if block["from"] == block["to"]:
            raise ListError(f"{path}:{start}: 'from' and 'to' are the same")
        mutations.append(Mutation(len(mutations) + 1, block["area"], block["file"], block["what"],
                                  block["from"], block["to"],
                                  int(block.get("occurrence", "0")), start))
        block = {}

    for number, raw in enumerate(Path(path).read_text(encoding="utf-8").splitlines(), 1):
        if raw.startswith("#"):
            continue
        if not raw.strip():
            finish()
            last = None
            continue
        if raw.startswith("+"):
            if last is None:
                raise ListError(f"{path}:{number}: a '+' line continues nothing")
            block[last] += "\n" + raw[1:]
            continue
        key, sep, value = raw.partition(":")
        if not sep or key not in keys:
            raise ListError(f"{path}:{number}: expected 'key: value', got '{raw}'")
        if key in block:
            raise ListError(f"{path}:{number}: '{key}' given twice")
        if not block:
            start = number
        block[key] = value[1:] if value.startswith(" ") else value
        last = key
    finish()
    return mutations


def locate(mutation, text):
    """Where the original text starts, or a reason why it cannot be used."""
    count = text.count(mutation.original)
    if count == 0:
        return None, "original text not found"
    if mutation.occurrence == 0 and count > 1:
        return None, f"original text found {count} times; give 'occurrence'"
    if mutation.occurrence > count:
        return None, f"only {count} occurrences"
    at = -1
    for _ in range(max(1, mutation.occurrence)):
        at = text.find(mutation.original, at + 1)
    return at, ""


class Interrupted(Exception):
    pass


def on_signal(signum, _frame):
    raise Interrupted(f"signal {signum}")


class Runner:
    def __init__(self, args):
        self.args = args
        self.build = Path(args.build_dir).resolve()
        self.backup = self.build / "mutation-backup"
        self.tests = []
        self.generator = ""
        self.symbols_of = None
        self.tool_symbols = set()

    def log(self, text):
        print(text, flush=True)

    def run(self, command, timeout=None):
        """Runs quietly; returns (exit code or None on timeout, output)."""
        try:
            done = subprocess.run(command, cwd=ROOT, stdout=subprocess.PIPE,
                                  stderr=subprocess.STDOUT, text=True, errors="replace",
                                  timeout=timeout)
            return done.returncode, done.stdout
        except subprocess.TimeoutExpired as expired:
            out = expired.stdout or ""
            return None, out if isinstance(out, str) else out.decode(errors="replace")

    # Source files left mutated by a run that was killed hard go back first.
    def restore_backups(self):
        if not self.backup.is_dir():
            return
        for saved in sorted(p for p in self.backup.rglob("*") if p.is_file()):
            source = ROOT / saved.relative_to(self.backup)
            self.log(f"restoring {source.relative_to(ROOT)} left mutated by an earlier run")
            source.write_bytes(saved.read_bytes())
            saved.unlink()

    def configure(self):
        # Always: the list of tests and their labels come from the configured tree.
        # One object per file: a mutation recompiles its own file only, and the filter below
        # finds that file's functions.
        command = ["cmake", "-S", str(ROOT), "-B", str(self.build), "-DCORVALO_UNITY=OFF"]
        if not (self.build / "CMakeCache.txt").exists():
            command.append("-DCMAKE_BUILD_TYPE=Release")
            if shutil.which("ccache"):
                command.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
        self.log("configuring " + str(self.build))
        code, out = self.run(command)
        if code != 0:
            sys.exit("configuring failed:\n" + out[-4000:])
        for line in (self.build / "CMakeCache.txt").read_text(errors="replace").splitlines():
            if line.startswith("CMAKE_GENERATOR:INTERNAL="):
                self.generator = line.split("=", 1)[1]

    def discover(self):
        code, out = self.run(["ctest", "--test-dir", str(self.build), "--show-only=json-v1"])
        if code != 0:
            sys.exit("ctest could not list the tests:\n" + out[-4000:])
        entries = json.loads(out)["tests"]
        layers = ["core", "gui"] if self.args.with_gui else ["core"]
        if any(not e.get("command") and set(layers) & set(self.labels(e)) for e in entries):
            # Not built yet: ctest names no command, and one executable runs several tests.
            self.log("building the test executables to list them")
            ok, out = self.build_targets([ALL_TESTS[layer] for layer in layers])
            if not ok:
                sys.exit("the unmutated source does not build:\n" + out[-4000:])
            code, out = self.run(["ctest", "--test-dir", str(self.build), "--show-only=json-v1"])
            entries = json.loads(out)["tests"]
        self.tests = []
        for entry in entries:
            labels = self.labels(entry)
            command = entry.get("command") or []
            # Only tests that run an executable of this build (the layer check runs cmake).
            if not command or not command[0].startswith(str(self.build) + os.sep):
                continue
            parts = Path(command[0]).relative_to(self.build).parts
            area = next((l for l in labels if l in AREAS), "")
            if not area:
                area = parts[1] if len(parts) > 2 and parts[0] == "tests" else ""
            gui = "gui" in labels or ("core" not in labels and parts[0] == "tests")
            if gui and not self.args.with_gui:
                continue
            self.tests.append(Test(entry["name"], Path(command[0]).name, area, gui))
        if not self.tests:
            sys.exit("no tests found in " + str(self.build))

    @staticmethod
    def labels(entry):
        for prop in entry.get("properties", []):
            if prop["name"] == "LABELS":
                return prop["value"]
        return []

    def build_targets(self, targets):
        command = ["cmake", "--build", str(self.build), "--parallel", str(self.args.parallel),
                   "--target", *sorted(set(targets))]
        code, out = self.run(command)
        return code == 0, out

    # Between mutations only the core's sources change. Make's "<target>/fast" rules build a
    # target without walking its dependencies again (their code generators above all), which
    # is most of the time of a build of one changed file: the libraries first, then the test.
    def fast(self):
        return not self.args.no_fast and "Unix Makefiles" in self.generator

    def build_libraries(self):
        if not self.fast():
            return True, ""
        return self.build_targets([t + "/fast" for t in LIBRARIES])

    def build_test(self, test):
        # A widget test also needs what the program makes from the core at build time.
        if self.fast() and not test.gui:
            return self.build_targets([t + "/fast" for t in [test.target] +
                                       ALSO_RUNS.get(test.target, [])])
        return self.build_targets([test.target] + ALSO_RUNS.get(test.target, []))

    def run_test(self, test, timeout):
        command = ["ctest", "--test-dir", str(self.build), "-R", f"^{test.name}$",
                   "--timeout", str(int(timeout)), "--output-on-failure"]
        started = time.monotonic()
        code, out = self.run(command, timeout + 30)
        seconds = time.monotonic() - started
        if code is None:
            return False, seconds, "timed out"
        if "No tests were found" in out:
            return False, seconds, "not run"
        return code == 0, seconds, out

    def baseline(self):
        self.log(f"building {len({t.target for t in self.tests})} test executables")
        ok, out = self.build_targets([t.target for t in self.tests])
        if not ok:
            sys.exit("the unmutated source does not build:\n" + out[-4000:])
        self.discover()  # every executable's real name, once built
        if self.args.no_baseline:
            return
        self.log("running the suite once unmutated")
        failing = []
        for test in self.tests:
            passed, test.seconds, _ = self.run_test(test, 600)
            if not passed:
                failing.append(test)
        for test in failing:
            self.log(f"  {test.name} fails without a mutation; left out of the run")
            self.tests.remove(test)
        total = sum(t.seconds for t in self.tests)
        self.log(f"  {len(self.tests)} tests pass in {total:.0f} s")

    # Which test executables hold a source file's code at all. The core is a static library, so
    # an executable holds only the objects it uses; one that holds none of a file's functions
    # cannot notice a fault in it. Objects of generators (tools/) make every test count.
    def executables(self):
        if self.symbols_of is not None:
            return
        self.symbols_of = {}
        for test in self.tests:
            for name in [test.target] + ALSO_RUNS.get(test.target, []):
                for found in self.build.rglob(name):
                    if found.is_file() and os.access(found, os.X_OK):
                        self.symbols_of[name] = defined_symbols(found)
        self.tool_symbols = set()
        tools = self.build / "tools"
        for found in tools.rglob("*") if tools.is_dir() else []:
            if found.is_file() and os.access(found, os.X_OK) and found.suffix == "" \
                    and is_elf(found):
                self.tool_symbols |= defined_symbols(found)

    def relevant(self, mutation):
        """The tests that can notice the mutation, or all of them when that cannot be told."""
        if not mutation.file.endswith(".cpp") or self.args.no_filter:
            return self.tests
        objects = list(self.build.rglob(Path(mutation.file).name + ".o"))
        objects = [o for o in objects if o.parent.name == Path(mutation.file).parent.name]
        if len(objects) != 1:
            return self.tests
        functions = {name for name, kind in symbol_table(objects[0]) if kind == "T"}
        if not functions:
            return self.tests
        self.executables()
        if functions & self.tool_symbols:
            return self.tests
        return [t for t in self.tests
                if any(functions & self.symbols_of.get(name, set())
                       for name in [t.target] + ALSO_RUNS.get(t.target, []))]

    def order(self, area, tests):
        # The area's own tests first, then the rest; quick ones first within each.
        own = [t for t in tests if t.area == area]
        rest = [t for t in tests if t.area != area]
        key = lambda t: (t.seconds, t.name)
        return sorted(own, key=key), sorted(rest, key=key)

    def timeout(self, test):
        return max(60.0, test.seconds * 10 + 20) if test.seconds else 300.0

    def mutate(self, mutation):
        source = ROOT / mutation.file
        started = time.monotonic()
        if not source.is_file():
            return Outcome(mutation, "stale", "file not found")
        original = source.read_bytes()
        text = original.decode("utf-8", errors="surrogateescape")
        at, reason = locate(mutation, text)
        if at is None:
            return Outcome(mutation, "stale", reason)
        mutated = text[:at] + mutation.replacement + text[at + len(mutation.original):]
        saved = self.backup / mutation.file
        saved.parent.mkdir(parents=True, exist_ok=True)
        saved.write_bytes(original)
        try:
            source.write_bytes(mutated.encode("utf-8", errors="surrogateescape"))
            verdict, detail = self.judge(mutation)
        finally:
            source.write_bytes(original)
            saved.unlink()
        return Outcome(mutation, verdict, detail, time.monotonic() - started)

    def judge(self, mutation):
        tests = self.relevant(mutation)
        if not tests:
            return "missed", "no test executable holds this code"
        own, rest = self.order(mutation.area, tests)
        ok, out = self.build_libraries()
        if not ok:
            return "did not compile", first_error(out)
        built = set()
        for test in own + rest:
            if test.target not in built:
                ok, out = self.build_test(test)
                if not ok:
                    return "did not compile", f"{test.target}: " + first_error(out)
                built.add(test.target)
            passed, _, out = self.run_test(test, self.timeout(test))
            if not passed:
                return "caught", test.name + (" (timed out)" if out == "timed out" else "")
        return "missed", ""


def symbol_table(path):
    done = subprocess.run(["nm", "--defined-only", "-P", str(path)], stdout=subprocess.PIPE,
                          stderr=subprocess.DEVNULL, text=True, errors="replace")
    for line in done.stdout.splitlines():
        fields = line.split()
        if len(fields) >= 2:
            yield fields[0], fields[1]


def defined_symbols(path):
    return {name for name, _ in symbol_table(path)}


def is_elf(path):
    with open(path, "rb") as f:
        return f.read(4) == b"\x7fELF"


def first_error(output):
    for line in output.splitlines():
        if "error" in line:
            return line.strip()[:200]
    return output.strip().splitlines()[-1][:200] if output.strip() else ""


def summary(outcomes):
    rows = []
    for area in AREAS + ["all"]:
        mine = [o for o in outcomes if area == "all" or o.mutation.area == area]
        if not mine:
            continue
        count = lambda v: sum(1 for o in mine if o.verdict == v)
        caught, missed = count("caught"), count("missed")
        share = f"{100 * caught / (caught + missed):.0f} %" if caught + missed else "-"
        rows.append((area, caught, caught + missed, share, count("did not compile"),
                     count("stale")))
    lines = ["| area | caught | of | share | did not compile | stale |",
             "|---|---:|---:|---:|---:|---:|"]
    lines += [f"| {a} | {c} | {n} | {s} | {d} | {t} |" for a, c, n, s, d, t in rows]
    return "\n".join(lines), rows


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--list", default=str(DEFAULT_LIST), help="the mutation list")
    parser.add_argument("--build-dir", default=str(ROOT / "build-mutation"))
    parser.add_argument("--parallel", type=int, default=1, help="build jobs (default 1)")
    parser.add_argument("--area", action="append", choices=AREAS, help="only these areas")
    parser.add_argument("--only", help="only these mutation numbers, as 3,7,12")
    parser.add_argument("--sample", type=int, help="a random sample of this many mutations")
    parser.add_argument("--seed", type=int, default=1, help="seed of the sample (default 1)")
    parser.add_argument("--with-gui", action="store_true",
                        help="run the widget tests too (slower: they link the whole program)")
    parser.add_argument("--no-filter", action="store_true",
                        help="run every test, also those whose executable lacks the file's code")
    parser.add_argument("--no-fast", action="store_true",
                        help="build each test with its dependencies walked again (slower)")
    parser.add_argument("--no-baseline", action="store_true",
                        help="skip the unmutated run (tests are then not ordered by time)")
    parser.add_argument("--check", action="store_true",
                        help="only say which mutations are stale; no build")
    parser.add_argument("--report", help="write the table and the missed mutations here")
    parser.add_argument("--min-share", type=float,
                        help="exit 1 when an area's caught share (percent) is below this")
    args = parser.parse_args()

    try:
        mutations = parse_list(args.list)
    except ListError as error:
        sys.exit(str(error))
    if args.area:
        mutations = [m for m in mutations if m.area in args.area]
    if args.only:
        wanted = {int(n) for n in args.only.split(",")}
        mutations = [m for m in mutations if m.number in wanted]
    if args.sample is not None and args.sample < len(mutations):
        mutations = sorted(random.Random(args.seed).sample(mutations, args.sample),
                           key=lambda m: m.number)

    if args.check:
        stale = 0
        for m in mutations:
            path = ROOT / m.file
            text = path.read_text(encoding="utf-8", errors="surrogateescape") \
                if path.is_file() else ""
            at, reason = locate(m, text) if text else (None, "file not found")
            if at is None:
                stale += 1
                print(f"#{m.number} [{m.area}] {m.file} (line {m.line} of the list): {reason}")
        print(f"{len(mutations)} mutations, {stale} stale")
        return 0

    runner = Runner(args)
    for signum in (signal.SIGTERM, signal.SIGHUP):
        signal.signal(signum, on_signal)
    outcomes = []
    started = time.monotonic()
    try:
        runner.restore_backups()
        runner.configure()
        runner.discover()
        runner.baseline()
        for index, mutation in enumerate(mutations, 1):
            outcome = runner.mutate(mutation)
            outcomes.append(outcome)
            detail = f" ({outcome.detail})" if outcome.detail else ""
            runner.log(f"[{index}/{len(mutations)}] #{mutation.number} {mutation.area}: "
                       f"{outcome.verdict}{detail} {outcome.seconds:.0f} s | "
                       f"{Path(mutation.file).name}: {mutation.what}")
    except (KeyboardInterrupt, Interrupted):
        runner.log("interrupted; every source file is back as it was")

    table, rows = summary(outcomes)
    missed = [o for o in outcomes if o.verdict != "caught"]
    print()
    print(table)
    print(f"\n{len(outcomes)} mutations in {time.monotonic() - started:.0f} s")
    for o in missed:
        m = o.mutation
        print(f"  {o.verdict}: #{m.number} [{m.area}] {m.file}: {m.what}"
              + (f" ({o.detail})" if o.detail else ""))
    if args.report:
        with open(args.report, "w", encoding="utf-8") as out:
            out.write(table + "\n\n")
            for o in missed:
                m = o.mutation
                out.write(f"- {o.verdict}: #{m.number} [{m.area}] {m.file}: {m.what}"
                          + (f" ({o.detail})" if o.detail else "") + "\n")
    if args.min_share is not None:
        for area, caught, counted, _, _, _ in rows:
            if area != "all" and counted and 100 * caught / counted < args.min_share:
                return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
