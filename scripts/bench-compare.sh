#!/usr/bin/env bash
# Prints each figure of two figure files that scripts/bench.sh wrote (name, value, unit per line):
# its value in OLD, in NEW, and the change in percent; figures only one file has are marked.
#   scripts/bench-compare.sh OLD NEW
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: scripts/bench-compare.sh OLD NEW" >&2
  exit 2
fi
awk -F'\t' '
  FNR == NR { old[$1] = $2; unit[$1] = $3; order[++n] = $1; next }
  {
    if (!($1 in old)) order[++n] = $1
    new[$1] = $2; unit[$1] = $3
  }
  END {
    printf "%-60s %14s %14s %-8s %9s\n", "figure", "old", "new", "unit", "change"
    for (i = 1; i <= n; ++i) {
      f = order[i]
      if (!(f in new)) { printf "%-60s %14s %14s %-8s %9s\n", f, old[f], "-", unit[f], "gone"; continue }
      if (!(f in old)) { printf "%-60s %14s %14s %-8s %9s\n", f, "-", new[f], unit[f], "new"; continue }
      change = old[f] != 0 ? sprintf("%+.1f%%", (new[f] - old[f]) * 100 / old[f]) : "-"
      printf "%-60s %14s %14s %-8s %9s\n", f, old[f], new[f], unit[f], change
    }
  }' "$1" "$2"
