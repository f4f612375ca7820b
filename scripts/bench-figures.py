#!/usr/bin/env python3
"""Reads what scripts/bench.sh printed (stdin) and writes its figures (stdout), one per line:
name, value, unit, separated by tabs. A figure is named after the part it belongs to."""
import re
import sys

# The heading a part prints, and the short name its figures carry.
PARTS = [
    ("== parser, modern", "modern"),
    ("== parser", "parser"),
    ("== a whole tree", "tree"),
    ("== class database", "classdb"),
    ("== refresh", "refresh"),
    ("== help lookup", "help"),
    ("== help file", "helpfile"),
    ("== window: a long session", "session"),
    ("== window: a session on the LCL", "library-session"),
    ("== window: Add Folder", "addfolder"),
    ("== window", "window"),
]

# A Google Benchmark result: name, real time and unit, CPU time and unit, iterations, counters.
RESULT = re.compile(r"^(\S+)\s+([0-9.e+-]+) (ns|us|ms|s)\s+([0-9.e+-]+) (ns|us|ms|s)\s+\d+(.*)$")
COUNTER = re.compile(r"(\w+)=([0-9.e+-]+)([a-zA-Z/]*)")
# Lines of plain text that carry a figure: pattern, figure name, unit.
TEXT = [
    (re.compile(r"^first start to TApplication shown.*: ([0-9.]+) ms"), "first-start", "ms"),
    (re.compile(r"^window peak memory (\d+) KB"), "program-peak-memory", "KB"),
    (re.compile(r"^peak memory (\d+) KB"), "peak-memory", "KB"),
    (re.compile(r"peak memory (\d+) MB$"), "peak-memory", "MB"),
    (re.compile(r"^milliseconds (\d+)"), "milliseconds", "ms"),
    (re.compile(r"^(\S+) milliseconds (\d+)"), None, "ms"),
    (re.compile(r"^seconds\t([0-9.]+)"), "summary-seconds", "s"),
    (re.compile(r"^parsed\t(\d+)"), "parsed", "files"),
    (re.compile(r"median of \d+: tool (\d+) ms"), "tool", "ms"),
    (re.compile(r"window's Add Folder (\d+) ms"), "window", "ms"),
    (re.compile(r"^(\S+) MB/s ([0-9.]+)"), None, "MB/s"),
    (re.compile(r"^(\S+ times ctags) ([0-9.]+)"), None, "x"),
]


def main():
    part = "other"
    seen = {}
    for line in sys.stdin:
        line = line.rstrip("\n")
        for heading, name in PARTS:
            if line.startswith(heading):
                part = name
                break
        m = RESULT.match(line)
        if m:
            name, value, unit, cpu, cpu_unit, rest = m.groups()
            emit(seen, f"{part}/{name}", value, unit)
            # The processor time of the same runs: steadier than the clock on a shared machine.
            emit(seen, f"{part}/{name}/cpu", cpu, cpu_unit)
            for c in COUNTER.finditer(rest):
                emit(seen, f"{part}/{name}/{c.group(1)}", c.group(2), c.group(3) or "count")
            continue
        for pattern, name, unit in TEXT:
            t = pattern.search(line)
            if t:
                if name is None:
                    emit(seen, f"{part}/{t.group(1).replace(' ', '-')}", t.group(2), unit)
                else:
                    emit(seen, f"{part}/{name}", t.group(1), unit)


def emit(seen, name, value, unit):
    # A name printed again (a second summary in one part) is numbered.
    n = seen.get(name, 0)
    seen[name] = n + 1
    if n:
        name = f"{name}#{n + 1}"
    print(f"{name}\t{value}\t{unit}")


if __name__ == "__main__":
    main()
