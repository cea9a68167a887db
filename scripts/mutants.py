#!/usr/bin/env python3
"""Mutation run over the module's sources: how many small faults the tests catch.

Each mutant changes one operator, constant or call statement in one source file, rebuilds the
module and the suites that load it, and runs them; a mutant that every suite passes "survived"
and points at behaviour no test pins (or is equivalent to the original: read it before writing
a test). Works on the checkout it is run from and puts every file back, also when interrupted,
so run it in a clone of its own:

  git clone . /tmp/mutants && cd /tmp/mutants && scripts/mutants.py --sample 200

Takes 6 to 15 seconds per mutant on two cores. Prints one line per mutant and a summary;
--retry LOG tries again only the survivors of an earlier run (after tests were added). Sources
outside the module take the suites that cover them, for instance the DXF writer's:

  scripts/mutants.py --suites platform_tests,apps_tests --sample 60 platform/dxf/src/DxfWrite*.cpp
"""
import argparse
import os
import pathlib
import random
import re
import signal
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
SUITES = ["properties_tests", "quality_tests", "apps_tests"]

# (name, pattern, replacement); patterns see code only (comments and literals are blanked).
OPERATORS = [
    ("==>!=", r"==", "!="),
    ("!=>==", r"!=", "=="),
    ("<><=", r"(?<=\s)<(?=\s)", "<="),
    ("<=><", r"(?<=\s)<=(?=\s)", "<"),
    (">>>=", r"(?<=\s)>(?=\s)", ">="),
    (">=>>", r"(?<=\s)>=(?=\s)", ">"),
    ("&&>||", r"&&", "||"),
    ("||>&&", r"\|\|", "&&"),
    ("true>false", r"\btrue\b", "false"),
    ("false>true", r"\bfalse\b", "true"),
    ("accept>refuse", r"\bkKyAccepted\b", "kKyRefused"),
    ("refuse>accept", r"\bkKyRefused\b", "kKyAccepted"),
    ("+>-", r"(?<=\s)\+(?=\s)", "-"),
    ("->+", r"(?<=\s)-(?=\s)", "+"),
    ("*>/", r"(?<=\s)\*(?=\s)", "/"),
    ("drop!", r"!(?=[\w(])", ""),
    ("0>1", r"(?<![\w.])0(?![\w.])", "1"),
    ("1>0", r"(?<![\w.])1(?![\w.])", "0"),
]
# A whole statement that only calls something: removed.
CALL_STATEMENT = re.compile(
    r"^(\s*)(?!return\b|if\b|while\b|for\b|switch\b|case\b)[\w:.\->]+(<[\w:, *&]*>)?\(.*\);\s*$")


def code_only(line):
    """The line with string and character literals and a trailing // comment blanked out."""
    out, i, quote = [], 0, None
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            out.append(" " if c != quote else c)
            if c == quote:
                quote = None
        elif c in "\"'":
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out).ljust(len(line))


def sites(path):
    """Every (line index, start, end, replacement, operator name) of one file."""
    lines = path.read_text().splitlines(keepends=True)
    found, in_block_comment, previous = [], False, ";"
    for n, raw in enumerate(lines):
        stripped = raw.strip()
        if in_block_comment:
            in_block_comment = "*/" not in stripped
            continue
        if stripped.startswith("/*"):
            in_block_comment = "*/" not in stripped
            continue
        if not stripped or stripped.startswith(("#", "//")):
            continue
        code = code_only(raw.rstrip("\n"))
        for name, pattern, replacement in OPERATORS:
            for m in re.finditer(pattern, code):
                found.append((n, m.start(), m.end(), replacement, name))
        starts_statement = previous.endswith((";", "{", "}", ":"))
        previous = code.rstrip() or previous
        if starts_statement and CALL_STATEMENT.match(code):
            indent = len(raw) - len(raw.lstrip())
            found.append((n, indent, len(raw.rstrip("\n")), ";", "drop-call"))
    return found


def run(cmd, timeout, env=None):
    try:
        return subprocess.run(cmd, cwd=ROOT, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                              timeout=timeout, env=env).returncode
    except subprocess.TimeoutExpired:
        return "timeout"


def build(build_dir, suites, timeout=600):
    # The compiler cache shared with the checkout's own builds (scripts/build.sh): only the
    # mutated file and what links it are built again.
    env = dict(os.environ, CCACHE_BASEDIR=str(ROOT), CCACHE_NOHASHDIR="true")
    return run(["cmake", "--build", build_dir, "--target", "KYProperties", *suites], timeout=timeout, env=env) == 0


def failing_suite(build_dir, suites):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", GLIBC_TUNABLES="glibc.malloc.tcache_count=0")
    for suite in suites:
        # The edit chains alone take about a minute on a loaded two-core machine.
        code = run([f"{build_dir}/bin/{suite}", "--gtest_brief=1"], timeout=300, env=env)
        if code != 0:
            return suite if code != "timeout" else suite + " (timeout)"
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("files", nargs="*", help="sources to mutate (default: properties/**/*.cpp)")
    parser.add_argument("--sample", type=int, default=0, help="mutants to try (default: all)")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--build-dir", default="build-mutants")
    parser.add_argument("--list", action="store_true", help="only count the mutants of each file")
    parser.add_argument("--suites", default=",".join(SUITES),
                        help=f"test binaries that must catch the mutants, comma-separated (default: {','.join(SUITES)})")
    parser.add_argument("--retry", metavar="LOG",
                        help="try again only the mutants that survived in an earlier run's output")
    args = parser.parse_args()
    # A terminated run still puts the mutated file back (the finally below).
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    suites = [suite for suite in args.suites.split(",") if suite]

    files = [ROOT / f for f in args.files] or sorted((ROOT / "properties").rglob("*.cpp"))
    mutants = []
    for path in files:
        found = sites(path)
        if args.list:
            print(f"{len(found):5d} {path.relative_to(ROOT)}")
        mutants += [(path, site) for site in found]
    if args.list:
        print(f"{len(mutants):5d} in all")
        return 0
    if args.retry:
        survivors = set()
        for line in pathlib.Path(args.retry).read_text().splitlines():
            fields = line.split()
            if len(fields) >= 3 and fields[0] == "survived":
                survivors.add((fields[1], fields[2]))
        mutants = [m for m in mutants if (m[1][4], f"{m[0].relative_to(ROOT)}:{m[1][0] + 1}") in survivors]
    else:
        random.Random(args.seed).shuffle(mutants)
    if args.sample:
        mutants = mutants[: args.sample]
    mutants.sort(key=lambda m: (str(m[0]), m[1][0], m[1][1]))

    subprocess.run(["cmake", "-S", ".", "-B", args.build_dir, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                    "-DKY_BUILD_BENCH=OFF"], cwd=ROOT, check=True, stdout=subprocess.DEVNULL)
    # The first build of a fresh clone takes far longer than a mutant's rebuild.
    if not build(args.build_dir, suites, timeout=3600) or failing_suite(args.build_dir, suites):
        print("the unmutated tree does not build or pass its tests", file=sys.stderr)
        return 2

    tally = {"killed": 0, "survived": 0, "uncompilable": 0}
    start = time.time()
    for path, (n, begin, end, replacement, name) in mutants:
        original = path.read_text()
        lines = original.splitlines(keepends=True)
        line = lines[n]
        lines[n] = line[:begin] + replacement + line[end:]
        try:
            path.write_text("".join(lines))
            if not build(args.build_dir, suites):
                outcome, by = "uncompilable", ""
            else:
                by = failing_suite(args.build_dir, suites)
                outcome = "killed" if by else "survived"
        finally:
            path.write_text(original)
        tally[outcome] += 1
        where = f"{path.relative_to(ROOT)}:{n + 1}"
        print(f"{outcome:12s} {name:14s} {where:40s} {line.strip()[:90]}  {by or ''}", flush=True)

    build(args.build_dir, suites)
    tried = tally["killed"] + tally["survived"]
    score = 100.0 * tally["killed"] / tried if tried else 0.0
    print(f"\n{tried} mutants built: {tally['killed']} killed, {tally['survived']} survived ({score:.1f}% killed); "
          f"{tally['uncompilable']} did not compile; {time.time() - start:.0f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
