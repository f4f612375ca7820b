#!/usr/bin/env bash
# Benchmarks, built in Release mode in build-release/:
#  - the parser: throughput on the Free Pascal and Lazarus sources Debian installs and on a
#    generated 50 MB library, the corpus outcome counts and the parser's peak memory;
#  - the class database: loading a generated 2,000-unit library, member listing, lookups and
#    the line context on it;
#  - the parser's modern dialect on the same sources (part "modern"): the files that parse, the
#    reasons of the rest and each file that fails, with include files found beside each unit and
#    anywhere in the two trees, beside the default dialect's count;
#  - refresh from the command line: the LCL tree (after the tree part) unchanged and, on a copy
#    of its files, with 10 units edited; 2,000 generated units unchanged and with 10 edited;
#    10,000 small generated units unchanged;
#  - help lookup on a 100,000-keyword index;
#  - the help file (helpfile): a topic of the sample's DELPHI.HLP from a double-click to its text
#    shown in the topic window, and every topic of the file read;
#  - the window, offscreen: start-up, ShowUnit and its heap, the Class Info list, the idle refresh,
#    an edit of a 3,000-line unit to its new text shown,
#    peak memory of the program and of a 30-round session;
#  - a whole source tree (tree): the Lazarus LCL with Free Pascal's RTL and FCL, added at once;
#  - a folder of 10,000 generated small units (addfolder, also part of window): the window's Add
#    Folder command offscreen against the tool's add --modern --recursive of the same tree.
#  - a program using Forms (project): its uses followed along the installed sources, alone and
#    through a Lazarus project file.
# Run one part with an argument: parser, modern, tree, project, classdb, refresh, help, helpfile, window or addfolder. Extra arguments go to Google Benchmark.
# What it prints is kept in build-release/bench.log and its figures, one per line (name, value,
# unit, tab-separated), in build-release/bench-figures.tsv; scripts/bench-compare.sh OLD NEW
# compares two such files.
set -euo pipefail
cd "$(dirname "$0")/.."
part=${1:-all}
[ $# -gt 0 ] && shift
scripts/setup.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release --target quillmap2-cli quillmap2-genlib parser_bench classdb_bench help_bench helpfile_bench window_bench quillmap2 >/dev/null
out=build-release

# The middle one of three figures.
middle() { printf '%s\n' "$@" | sort -n | sed -n 2p; }

# Milliseconds of a command, its process start and end included.
elapsed_ms() {
  local start
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 || true
  echo $((($(date +%s%N) - start) / 1000000))
}


parts() {
if [ "$part" = all ] || [ "$part" = parser ]; then
  [ -f "$out/genlib-50mb/Gen0000.pas" ] || "$out/bench/quillmap2-genlib" "$out/genlib-50mb" --megabytes 50 --seed 1
  find /usr/share/fpcsrc /usr/lib/lazarus -type f \( -name '*.pas' -o -name '*.pp' \) 2>/dev/null | sort > "$out/corpus.txt"
  echo "== parser: corpus of $(wc -l < "$out/corpus.txt") files"
  /usr/bin/time -f "peak memory %M KB" "$out/cli/quillmap2-cli" parse --summary --list "$out/corpus.txt" || true
  largest=$(xargs -d '\n' -a "$out/corpus.txt" stat -c %s | sort -n | tail -1)
  echo "largest file $((largest / 1024)) KB"
  # The tool's summary over the corpus in each dialect against universal-ctags's Pascal tags of
  # the same files, in one run: medians of three rounds, each round running the three commands in
  # turn so that a change in the machine's load falls on all of them; megabytes per second.
  bytes=$(xargs -d '\n' -a "$out/corpus.txt" cat | wc -c)
  ctags=$(command -v ctags-universal || true)
  defaults=(); moderns=(); ctagses=()
  for _ in 1 2 3; do
    defaults+=("$(elapsed_ms "$out/cli/quillmap2-cli" parse --summary --list "$out/corpus.txt")")
    moderns+=("$(elapsed_ms "$out/cli/quillmap2-cli" parse --modern --summary --list "$out/corpus.txt")")
    [ -n "$ctags" ] && ctagses+=("$(elapsed_ms "$ctags" -f /dev/null --languages=Pascal --map-Pascal=+.pp -L "$out/corpus.txt")")
  done
  default_ms=$(middle "${defaults[@]}"); modern_ms=$(middle "${moderns[@]}")
  echo "runs (ms): default ${defaults[*]}; modern ${moderns[*]}; ctags ${ctagses[*]}; load $(cut -d' ' -f1-3 /proc/loadavg)"
  echo "parse-default MB/s $(awk -v b="$bytes" -v t="$default_ms" 'BEGIN { printf "%.0f", b / 1e3 / t }')"
  echo "parse-modern MB/s $(awk -v b="$bytes" -v t="$modern_ms" 'BEGIN { printf "%.0f", b / 1e3 / t }')"
  if [ -n "$ctags" ]; then
    ctags_ms=$(middle "${ctagses[@]}")
    echo "ctags MB/s $(awk -v b="$bytes" -v t="$ctags_ms" 'BEGIN { printf "%.0f", b / 1e3 / t }')"
    echo "parse-default times ctags $(awk -v a="$default_ms" -v c="$ctags_ms" 'BEGIN { printf "%.2f", c / a }')"
    echo "parse-modern times ctags $(awk -v a="$modern_ms" -v c="$ctags_ms" 'BEGIN { printf "%.2f", c / a }')"
  else
    echo "universal-ctags is not installed: no comparison"
  fi
  "$out/bench/parser_bench" --corpus="$out/corpus.txt" --library="$out/genlib-50mb" --benchmark_min_time=2 "$@"
fi

if [ "$part" = all ] || [ "$part" = modern ]; then
  find /usr/share/fpcsrc /usr/lib/lazarus -type f \( -name '*.pas' -o -name '*.pp' \) 2>/dev/null | sort > "$out/corpus.txt"
  cli="$out/cli/quillmap2-cli"
  echo "== parser, modern Object Pascal: corpus of $(wc -l < "$out/corpus.txt") files"
  echo "-- default dialect"
  "$cli" parse --summary --list "$out/corpus.txt" | grep -v '^failed' || true
  echo "-- modern dialect, include files beside each unit"
  "$cli" parse --modern --summary --list "$out/corpus.txt" | grep -v '^failed' || true
  echo "-- modern dialect, include files anywhere under /usr/share/fpcsrc and /usr/lib/lazarus"
  trees=(--include-tree /usr/share/fpcsrc --include-tree /usr/lib/lazarus)
  "$cli" parse --modern "${trees[@]}" --summary --list "$out/corpus.txt" || true
  echo "-- the files that fail"
  "$cli" parse --modern "${trees[@]}" --list "$out/corpus.txt" |
    awk -F'\t' '$1 == "file" { file = $2 } $1 == "error" { print file "\t" $2 }' || true
fi

if [ "$part" = all ] || [ "$part" = tree ]; then
  # The Lazarus LCL with the parts of Free Pascal's RTL and FCL it needs, loaded at once in the
  # modern dialect into a new database: the counts, the time, and TForm's chain to TObject.
  fpc=$(ls -d /usr/share/fpcsrc/*/ | sort | tail -1); laz=$(ls -d /usr/lib/lazarus/*/ | sort | tail -1)
  folders=("$fpc"rtl/{linux,unix,objpas,inc,x86_64} "$fpc"packages/{rtl-objpas,rtl-extra,rtl-generics,fcl-base,fcl-process,fcl-res,fcl-image,fcl-xml,fcl-json,fcl-fpcunit,fcl-db,paszlib,hash} "$laz"components/lazutils "$laz"lcl)
  db="$out/bench-tree.db"
  rm -f "$db" "$db-wal" "$db-shm"
  echo "== a whole tree in modern Object Pascal: the LCL with the RTL and FCL it needs"
  start=$(date +%s%N)
  "$out/cli/quillmap2-cli" --db "$db" add --modern --recursive "${folders[@]}" --include-tree "$fpc"rtl \
    2> "$out/bench-tree.err" | awk -F'\t' '{ print "loaded", $1, "- already there", $2, "- without classes", $3, "- skipped", $4, "- failed", $5 }' || true
  echo "milliseconds $((($(date +%s%N) - start) / 1000000))"
  echo "units, classes, members, include files: $(sqlite3 "$db" "select (select count(*) from UNITS), (select count(*) from CLASSES), (select count(*) from MV), (select count(*) from FILES)")"
  echo "-- units that did not load"
  grep -v 'is passed over\|Key Violation' "$out/bench-tree.err" || true
  echo "-- TForm's chain: levels and their members"
  "$out/cli/quillmap2-cli" --db "$db" members TForm | awk -F'\t' '{ n[$4] = $3; c[$4]++ } END { for (l in n) print l, n[l], c[l] }' | sort -n
fi

if [ "$part" = all ] || [ "$part" = project ]; then
  # A one-unit program using Forms, with the installed Free Pascal and Lazarus sources found by
  # themselves: its uses clauses followed, alone and through a Lazarus project; against the tree
  # part, the same TForm chain from fewer units read.
  cli="$out/cli/quillmap2-cli"
  work=$(mktemp -d)
  printf 'program One;\n{$mode objfpc}\nuses Forms;\nbegin\nend.\n' > "$work/one.lpr"
  printf '<CONFIG><ProjectOptions><Units><Unit><Filename Value="one.lpr"/></Unit></Units></ProjectOptions></CONFIG>\n' > "$work/one.lpi"
  for project in one.lpr one.lpi; do
    db="$work/${project%.*}-${project##*.}.db"
    echo "== a program using Forms, followed through $project"
    /usr/bin/time -f "seconds %e, peak memory %M KB" "$cli" --db "$db" add --project "$work/$project" 2> "$work/err.txt" |
      awk -F'\t' '{ print "loaded", $1, "- without classes", $3, "- skipped", $4, "- failed", $5 }' || true
    grep -E '^seconds' "$work/err.txt" || true
    echo "units, classes, members stored: $(sqlite3 "$db" "select (select count(*) from UNITS), (select count(*) from CLASSES), (select count(*) from MV)")"
    echo "not found: $(grep -c 'not found on the library path' "$work/err.txt" || true)"
    echo "TForm's chain: $("$cli" --db "$db" members TForm | awk -F'\t' '!seen[$3]++ { printf "%s ", $3 }')"
  done
  rm -rf "$work"
fi

if [ "$part" = all ] || [ "$part" = classdb ]; then
  [ -f "$out/genlib-2000/Gen1999.pas" ] || "$out/bench/quillmap2-genlib" "$out/genlib-2000" --units 2000 --unit-kb 64 --seed 1
  # 49 units of about 62 KB: the size of Delphi 2.0's VCL sources
  [ -d "$out/genlib-vcl/SOURCE" ] || "$out/bench/quillmap2-genlib" "$out/genlib-vcl" --delphi-tree --unit-kb 62 --seed 1
  echo "== class database"
  "$out/bench/classdb_bench" --library="$out/genlib-2000" --db="$out/bench-classdb.db" \
    --vcl-root=samples/delphi2 --vcl-root="$out/genlib-vcl" --benchmark_min_time=1 "$@"
fi

if [ "$part" = all ] || [ "$part" = refresh ]; then
  # refresh from the command line: the LCL tree's database (when the tree part has built it) with
  # nothing changed, and a copy of it and of its files with 10 units edited; 2,000 generated units
  # with nothing changed and with 10 of them edited; 10,000 small ones with nothing changed.
  echo "== refresh"
  cli="$out/cli/quillmap2-cli"
  # The summary record of a refresh and its milliseconds, the process included, named Label.
  timed() { local label=$1 start; shift; start=$(date +%s%N); "$@" | tail -1; echo "$label milliseconds $((($(date +%s%N) - start) / 1000000))"; }
  if [ -f "$out/bench-tree.db" ]; then
    echo "-- the LCL tree, nothing changed"
    timed lcl-unchanged "$cli" --db "$out/bench-tree.db" refresh
    # The installed files stay as they are: the units and include files are copied with their
    # times, and the copy of the database is pointed at them.
    copy="$out/refresh-tree"
    rm -rf "$copy"
    mkdir -p "$copy/files"
    cp "$out/bench-tree.db" "$copy/tree.db"
    sqlite3 "$copy/tree.db" "select Path from UNITS union select Path from FILES" | while IFS= read -r f; do
      mkdir -p "$copy/files$(dirname "$f")" && cp -p "$f" "$copy/files$f"
    done
    sqlite3 "$copy/tree.db" "update UNITS set Path = '$copy/files' || Path; update FILES set Path = '$copy/files' || Path"
    "$cli" --db "$copy/tree.db" refresh > /dev/null
    echo "-- the LCL tree, 10 units of the LCL edited (a line inserted at the top)"
    for f in $(sqlite3 "$copy/tree.db" "select Path from UNITS where Path like '%/lcl/%' order by ID" | awk 'NR % 20 == 1' | head -10); do
      sed -i '1s/^/\n/' "$f"
    done
    timed lcl-10-edited "$cli" --db "$copy/tree.db" refresh
    rm -rf "$copy"
  fi
  [ -f "$out/genlib-2000/Gen1999.pas" ] || "$out/bench/quillmap2-genlib" "$out/genlib-2000" --units 2000 --unit-kb 64 --seed 1
  lib="$out/genlib-refresh"; db="$out/bench-refresh.db"
  rm -rf "$lib" "$db" "$db-wal" "$db-shm"
  cp -r "$out/genlib-2000" "$lib"
  "$cli" --db "$db" add "$lib"/*.pas > /dev/null
  sleep 2  # stamps of files written this moment are not trusted: let them age
  "$cli" --db "$db" refresh > /dev/null
  echo "-- 2,000 generated units, nothing changed"
  timed generated-unchanged "$cli" --db "$db" refresh
  echo "-- 2,000 generated units, 10 edited (a line inserted at the top)"
  for f in $(ls "$lib"/*.pas | sort | awk 'NR % 200 == 1'); do sed -i '1s/^/\n/' "$f"; done
  timed generated-10-edited "$cli" --db "$db" refresh
  [ -f "$out/genlib-10000/Gen9999.pas" ] || "$out/bench/quillmap2-genlib" "$out/genlib-10000" --units 10000 --unit-kb 1 --seed 1
  db="$out/bench-refresh-10000.db"
  rm -f "$db" "$db-wal" "$db-shm"
  "$cli" --db "$db" add --modern --recursive "$out/genlib-10000" > /dev/null
  sleep 2
  "$cli" --db "$db" refresh > /dev/null
  echo "-- 10,000 generated small units, nothing changed"
  timed generated-10000-unchanged "$cli" --db "$db" refresh
fi

if [ "$part" = all ] || [ "$part" = help ]; then
  echo "== help lookup"
  "$out/bench/help_bench" "$@"
fi

if [ "$part" = all ] || [ "$part" = helpfile ]; then
  echo "== help file"
  "$out/bench/helpfile_bench" "$@" 2>&1 | grep -v propagateSizeHints
fi

if [ "$part" = all ] || [ "$part" = window ]; then
  cmake --build build-release --target window_bench quillmap2 >/dev/null
  [ -d "$out/genlib-vcl/SOURCE" ] || "$out/bench/quillmap2-genlib" "$out/genlib-vcl" --delphi-tree --unit-kb 62 --seed 1
  # The large library, when the tree part has built its database.
  library=()
  [ -f "$out/bench-tree.db" ] && library=(--library-db="$out/bench-tree.db")
  echo "== window (offscreen)"
  "$out/bench/window_bench" --sample=samples/delphi2 --vcl-root="$out/genlib-vcl" "${library[@]}" --benchmark_min_time=1 "$@" 2>&1 |
    grep -v propagateSizeHints
  echo "== window: a long session (offscreen)"
  "$out/bench/window_bench" --sample=samples/delphi2 --session=30 2>&1 | grep -v propagateSizeHints
  if [ ${#library[@]} -gt 0 ]; then
    echo "== window: a session on the LCL with the RTL and FCL (offscreen)"
    "$out/bench/window_bench" --sample=samples/delphi2 "${library[@]}" --session=3 2>&1 | grep -v propagateSizeHints
  fi
  # Peak memory of the running program on the sample library: a home of its own, the database
  # built once, then the window left running for three seconds.
  home=$(mktemp -d)
  HOME=$home XDG_CONFIG_HOME=$home XDG_DATA_HOME=$home XDG_RUNTIME_DIR=$home \
    "$out/cli/quillmap2-cli" init samples/delphi2 >/dev/null
  HOME=$home XDG_CONFIG_HOME=$home XDG_DATA_HOME=$home XDG_RUNTIME_DIR=$home QT_QPA_PLATFORM=offscreen \
    /usr/bin/time -f "window peak memory %M KB" timeout -s INT 3 "$out/navigator/main/quillmap2" 2>&1 |
    grep -v propagateSizeHints || true
  rm -rf "$home"
fi

if [ "$part" = all ] || [ "$part" = window ] || [ "$part" = addfolder ]; then
  [ -f "$out/genlib-10000/Gen9999.pas" ] || "$out/bench/quillmap2-genlib" "$out/genlib-10000" --units 10000 --unit-kb 1 --seed 1
  echo "== window: Add Folder of 10,000 small units against the tool (offscreen)"
  "$out/bench/window_bench" --sample=samples/delphi2 --add-folder="$out/genlib-10000" --cli="$out/cli/quillmap2-cli" 2>&1 |
    grep -v propagateSizeHints
fi
}

parts "$@" 2>&1 | tee "$out/bench.log"
scripts/bench-figures.py < "$out/bench.log" > "$out/bench-figures.tsv"
echo "figures: $out/bench-figures.tsv"
