#!/usr/bin/env python3
"""Which small faults in the code do the tests notice?

Changes one operator, comparison, constant or condition of the given source files at a time,
rebuilds only the test programs that hold that code, runs them with a time limit, puts the file
back, and lists the changes no test noticed (file:line and the change). The sources are copied
into the mutation build folder (build-mutate/src) and changed there, so the working tree is never
touched, even by a run that is interrupted; the build (build-mutate/build) is its own, compiled at
-O1 without debugging information to keep each rebuild short.

  python3 tools/mutate.py report/                       # every .cpp and .h of report/
  python3 tools/mutate.py viewer/report_routines.cpp viewer/day_report.cpp
  python3 tools/mutate.py tracking/ --sample 60         # 60 changes picked at random (seed 1)
  python3 tools/mutate.py tracking/ --tests tests_tracking,tests_reliability
  python3 tools/mutate.py report/ --list                # the changes only; nothing is built
  python3 tools/mutate.py dates/ --sample 20 --only dates/date_value.cpp:20   # one of the sample again

The changes: a comparison for its neighbour or opposite (< and <=, > and >=, == and !=), + and -,
* and /, % to *, += and -=, && and ||, a whole-number constant (0 to 1, 1 to 0, n to n + 1),
true and false, a condition of if or while negated, a ! dropped, std::abs dropped, std::min and
std::max swapped. Comments, texts and preprocessor lines are left alone. A change that does not
compile is not counted. Each change costs one compile of its file, one link of each test program
and one test run: about 10 to 30 seconds on two cores, so a folder with more changes than a
sitting allows is sampled with --sample N (the same seed picks the same changes again).

The test programs run by default are those of the file's folder in tests/<folder>/ (its routines'
and its windows'), and those of EXTRA_TESTS below, which check the folder's code from elsewhere;
--tests names others.
"""
import argparse
import io
import math
import os
import random
import re
import resource
import shutil
import signal
import subprocess
import sys
import tarfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Test programs that check a folder's code besides those of tests/<folder>/.
# The dates' form settled from a report is checked by the viewer's tests; the report's amendment
# lines and rewrite by those of the store and of a shared folder; the record store's scans, query
# and history by the viewer's, the summaries', a shared folder's and the mending verbs' (the
# reliability tests' kills at every step take too long for each change); the shared project list by those
# of a shared folder; the data folder's choice by those of a shared folder, and the shared folder's
# looks by the main window's.
EXTRA_TESTS = {"dates": ["tests_viewer"], "report": ["tests_store", "tests_viewer", "tests_sharing"],
               "store": ["tests_viewer", "tests_summaries", "tests_sharing", "tests_control"],
               "viewer": ["tests_summaries", "tests_sharing"], "projects": ["tests_sharing"],
               "preferences": ["tests_sharing", "tests_shell_windows"]}

SWAPS = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "==", "&&": "||",
         "||": "&&", "+": "-", "-": "+", "*": "/", "/": "*", "%": "*", "+=": "-=", "-=": "+="}
# A binary operator: a blank on each side, after an operand (a name, a number, a closing bracket).
OPERATOR = re.compile(r"(?<=[\w)\]] )(<=|>=|==|!=|&&|\|\||\+=|-=|<|>|\+|-|\*|/|%)(?= [\w(!\-*&:.~\"'])")
NUMBER = re.compile(r"(?<![\w.'])(\d+)([uUlLzZ]*)(?![\w.'])")
BOOLEAN = re.compile(r"\b(true|false)\b")
CONDITION = re.compile(r"\b(if|while)\s*\(")
NOT = re.compile(r"(?<![\w)\]!=<>&|])!(?=[\w(])")
CALL = re.compile(r"\bstd::(abs|min|max)\(")


def masked(text):
    """The text with comments, texts, characters and preprocessor lines blanked, line ends kept."""
    out = list(text)
    i, n = 0, len(text)
    line_start = True

    def blank(a, b):
        for k in range(a, b):
            if out[k] != "\n":
                out[k] = " "

    while i < n:
        c = text[i]
        if line_start and c in " \t":
            i += 1
            continue
        if line_start and c == "#":
            end = i
            while end < n and (text[end] != "\n" or text[end - 1] == "\\"):
                end += 1
            blank(i, end)
            i = end
            continue
        line_start = c == "\n"
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
            blank(i, end)
            i = end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            blank(i, end)
            i = end
        elif c == "R" and text.startswith('R"', i) and not (i and (text[i - 1].isalnum() or text[i - 1] == "_")):
            open_paren = text.find("(", i)
            delim = text[i + 2:open_paren]
            end = text.find(")" + delim + '"', open_paren)
            end = n if end < 0 else end + len(delim) + 2
            blank(i, end)
            i = end
        elif c == '"' or (c == "'" and not (i and text[i - 1].isalnum() and i + 1 < n and text[i + 1].isalnum())):
            end = i + 1
            while end < n and text[end] != c:
                end += 2 if text[end] == "\\" else 1
            blank(i, end + 1)
            i = end + 1
        else:
            i += 1
    return "".join(out)


def closing(text, open_at):
    depth = 0
    for k in range(open_at, len(text)):
        if text[k] == "(":
            depth += 1
        elif text[k] == ")":
            depth -= 1
            if depth == 0:
                return k
    return -1


def sites(root, path):
    """Each change of a file: (offset, length, replacement, description)."""
    with open(os.path.join(root, path), encoding="utf-8", errors="surrogateescape") as f:
        text = f.read()
    code = masked(text)
    found = []
    for m in OPERATOR.finditer(code):
        op = m.group(1)
        found.append((m.start(), len(op), SWAPS[op], f"`{op}` -> `{SWAPS[op]}`"))
    for m in NUMBER.finditer(code):
        value = int(m.group(1))
        new = 0 if value == 1 else value + 1
        found.append((m.start(1), len(m.group(1)), str(new), f"`{value}` -> `{new}`"))
    for m in BOOLEAN.finditer(code):
        new = "false" if m.group(1) == "true" else "true"
        found.append((m.start(), len(m.group(1)), new, f"`{m.group(1)}` -> `{new}`"))
    for m in CONDITION.finditer(code):
        open_at = m.end() - 1
        close_at = closing(code, open_at)
        if close_at < 0:
            continue
        inner = text[open_at + 1:close_at]
        condition = " ".join(inner.split())
        found.append((open_at + 1, len(inner), "!(" + inner + ")",
                      f"{m.group(1)} condition negated: `{condition[:60]}`"))
    for m in NOT.finditer(code):
        found.append((m.start(), 1, "", "`!` dropped"))
    for m in CALL.finditer(code):
        name = m.group(1)
        if name == "abs":
            found.append((m.start(), len("std::abs"), "", "`std::abs` dropped"))
        else:
            other = "max" if name == "min" else "min"
            found.append((m.start() + 5, 3, other, f"`std::{name}` -> `std::{other}`"))
    found.sort()
    return text, found


def windows(root, folder):
    """The files of a folder's windows (its Qt libraries) and programs, which its routines' tests do
    not reach: tw_library(... QT SOURCES ...) and add_executable(...) in its CMakeLists.txt."""
    try:
        with open(os.path.join(root, folder, "CMakeLists.txt")) as f:
            cmake = f.read()
    except OSError:
        return set()
    names = set()
    for block in re.findall(r"tw_library\(\w+ QT SOURCES([^)]*?)LINKS", cmake) + \
            re.findall(r"add_executable\(\S+([^)]*)\)", cmake):
        for source in block.split():
            names.add(source)
            names.add(source[:-4] + ".h")
    return names


def source_files(root, paths):
    """The files named, and for a folder its routines' .cpp and .h files (not its windows)."""
    files = []
    for path in paths:
        path = os.path.normpath(path)
        if os.path.isdir(os.path.join(root, path)):
            left_out = windows(root, path)
            for name in sorted(os.listdir(os.path.join(root, path))):
                if name.endswith((".cpp", ".h")) and name not in left_out:
                    files.append(os.path.join(path, name))
        else:
            files.append(path)
    return files


def tree(rev):
    """The files of the working tree (tracked and new, not ignored), or of a commit: name -> bytes."""
    if rev:
        archive = subprocess.run(["git", "archive", "--format=tar", rev], cwd=ROOT, check=True,
                                 capture_output=True).stdout
        with tarfile.open(fileobj=io.BytesIO(archive)) as tar:
            return {m.name: tar.extractfile(m).read() for m in tar.getmembers() if m.isfile()}
    listed = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                            cwd=ROOT, check=True, capture_output=True).stdout.decode().split("\0")
    files = {}
    for name in filter(None, listed):
        if os.path.isfile(os.path.join(ROOT, name)):
            with open(os.path.join(ROOT, name), "rb") as f:
                files[name] = f.read()
    return files


def sync_sources(files, dest):
    """Writes the files into dest; a file whose copy is the same is left as it is, so the build
    does not compile it again."""
    for name, content in files.items():
        target = os.path.join(dest, name)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        if os.path.isfile(target):
            with open(target, "rb") as f:
                if f.read() == content:
                    continue
        with open(target, "wb") as f:
            f.write(content)
    for folder, _, names in os.walk(dest):
        for name in names:
            full = os.path.join(folder, name)
            if os.path.relpath(full, dest) not in files:
                os.remove(full)


def configure(src, build):
    if os.path.isfile(os.path.join(build, "CMakeCache.txt")):
        return
    command = ["cmake", "-S", src, "-B", build, "-DCMAKE_BUILD_TYPE=Mutate",
               "-DCMAKE_CXX_FLAGS_MUTATE=-O1", "-DTALLYWRIGHT_BENCH=OFF"]
    if shutil.which("ccache"):
        command.append("-DCMAKE_CXX_COMPILER_LAUNCHER=ccache")
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL)


def folder_tests(root, folder):
    """The test programs of tests/<folder>/ (its routines' and its windows'), and those of
    EXTRA_TESTS."""
    try:
        with open(os.path.join(root, "tests", folder, "CMakeLists.txt")) as f:
            cmake = f.read()
    except OSError:
        cmake = ""
    names = re.findall(r"(?:tw_add_test|add_executable)\((\w+)", cmake)
    return names + [t for t in EXTRA_TESTS.get(folder, []) if t not in names]


def build_tests(build, tests, jobs):
    result = subprocess.run(["cmake", "--build", build, "-j", str(jobs), "--target", *tests],
                            capture_output=True, text=True)
    return result.returncode == 0, result.stdout + result.stderr


def test_programs(build, tests):
    found = {}
    for folder, _, names in os.walk(os.path.join(build, "tests")):
        for name in names:
            if name in tests:
                found[name] = os.path.join(folder, name)
    missing = [t for t in tests if t not in found]
    if missing:
        sys.exit(f"no test program {', '.join(missing)} in {build}")
    return [found[t] for t in tests]


def run_tests(programs, limit):
    """True when every program passes within the limit: processor seconds, which a machine loaded by
    other work does not use up as it does the clock's; the clock allows ten times as many, for a
    change that leaves a program waiting without working."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")

    def cap():
        if limit:
            resource.setrlimit(resource.RLIMIT_CPU, (math.ceil(limit), math.ceil(limit) + 1))

    for program in programs:
        try:
            result = subprocess.run([program, "--gtest_fail_fast", "--gtest_brief=1"], env=env,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                    timeout=10 * limit if limit else None, preexec_fn=cap,
                                    cwd=os.path.dirname(program))
        except subprocess.TimeoutExpired:
            return False
        if result.returncode != 0:
            return False
    return True


def processor_seconds():
    used = resource.getrusage(resource.RUSAGE_CHILDREN)
    return used.ru_utime + used.ru_stime


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0],
                                     formatter_class=argparse.RawDescriptionHelpFormatter,
                                     epilog=__doc__.split("\n", 2)[2])
    parser.add_argument("paths", nargs="+", help="source files or folders, from the source root")
    parser.add_argument("--tests", help="test programs to run, separated by commas")
    parser.add_argument("--sample", type=int, default=0, help="at most this many changes, at random")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--timeout", type=float, default=0,
                        help="processor seconds a test program may take (default: 4 times its run unchanged, at least 20)")
    parser.add_argument("--build", default=os.path.join(ROOT, "build-mutate"))
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--list", action="store_true", help="list the changes only")
    parser.add_argument("--rev", help="mutate the sources of this commit instead of the working tree")
    parser.add_argument("--only", help="of the changes picked, only those at these places (file:line, separated "
                                       "by commas), e.g. to try a run's survivors again")
    args = parser.parse_args()
    # Ended from outside, the run still puts the changed file back.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))

    src, build = os.path.join(args.build, "src"), os.path.join(args.build, "build")
    root = ROOT
    if not args.list or args.rev:
        os.makedirs(src, exist_ok=True)
        sync_sources(tree(args.rev), src)
        root = src
    paths = [os.path.relpath(os.path.abspath(p), ROOT) if os.path.exists(p) else p for p in args.paths]
    files = source_files(root, paths)
    changes = []
    texts = {}
    for path in files:
        texts[path], found = sites(root, path)
        changes += [(path, *site) for site in found]
    total = len(changes)
    if args.sample and total > args.sample:
        changes = sorted(random.Random(args.seed).sample(changes, args.sample))

    def where(path, offset):
        return f"{path}:{texts[path].count(chr(10), 0, offset) + 1}"

    if args.only:
        places = set(args.only.split(","))
        changes = [c for c in changes if where(c[0], c[1]) in places]

    if args.list:
        for path, offset, _, _, what in changes:
            print(f"{where(path, offset)}  {what}")
        print(f"{len(changes)} of {total} changes", file=sys.stderr)
        return 0

    folder = files[0].split(os.sep)[0]
    tests = args.tests.split(",") if args.tests else folder_tests(root, folder)
    if not tests:
        sys.exit(f"no test programs for {folder}/: name them with --tests")
    configure(src, build)
    ok, output = build_tests(build, tests, args.jobs)
    if not ok:
        sys.exit(output + "\nthe unchanged sources do not build")
    programs = test_programs(build, tests)
    began = processor_seconds()
    if not run_tests(programs, None):
        sys.exit(f"{', '.join(tests)} fail without any change")
    timeout = args.timeout or max(20.0, 4 * (processor_seconds() - began))
    print(f"{len(changes)} of {total} changes in {', '.join(files)}; tests {', '.join(tests)}, "
          f"time limit {timeout:.0f} processor s", flush=True)

    survivors, killed, stillborn = [], 0, 0
    per_file = {}
    try:
        for k, (path, offset, length, new, what) in enumerate(changes, 1):
            target = os.path.join(src, path)
            text = texts[path]
            with open(target, "w", encoding="utf-8", errors="surrogateescape") as f:
                f.write(text[:offset] + new + text[offset + length:])
            began = time.monotonic()
            try:
                compiled, _ = build_tests(build, tests, args.jobs)
                noticed = compiled and not run_tests(programs, timeout)
            finally:
                with open(target, "w", encoding="utf-8", errors="surrogateescape") as f:
                    f.write(text)
            if not compiled:
                stillborn += 1
                verdict = "does not compile"
            elif noticed:
                killed += 1
                verdict = "noticed"
            else:
                survivors.append(f"{where(path, offset)}  {what}")
                verdict = "NOT NOTICED"
            if compiled:
                counts = per_file.setdefault(path, [0, 0])
                counts[0] += noticed
                counts[1] += 1
            print(f"[{k}/{len(changes)}] {where(path, offset)}  {what}: {verdict} "
                  f"({time.monotonic() - began:.0f} s)", flush=True)
    finally:
        # The copy's objects are those of the unchanged sources again.
        build_tests(build, tests, args.jobs)

    tried = killed + len(survivors)
    print("\nNot noticed by any test:" if survivors else "\nEvery change was noticed.")
    for line in survivors:
        print("  " + line)
    print("\nPer file (noticed / tried):")
    for path, (noticed, count) in sorted(per_file.items()):
        print(f"  {path}: {noticed} / {count}")
    score = f"{killed / tried:.0%}" if tried else "-"
    print(f"\nMutation score: {killed} / {tried} ({score}); {stillborn} did not compile; "
          f"{len(changes)} of {total} changes tried")
    return 0 if not survivors else 1


if __name__ == "__main__":
    sys.exit(main())
