#!/usr/bin/env bash
# Benchmarks: parser throughput on the Free Pascal and Lazarus sources Debian installs and on a
# generated 50 MB library, the corpus outcome counts, and the parser's peak memory.
# Builds in Release mode in build-release/. Extra arguments go to Google Benchmark.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release --target quillmap2-cli quillmap2-genlib parser_bench >/dev/null

out=build-release
[ -f "$out/genlib-50mb/Gen0000.pas" ] || "$out/bench/quillmap2-genlib" "$out/genlib-50mb" --megabytes 50 --seed 1
find /usr/share/fpcsrc /usr/lib/lazarus -type f \( -name '*.pas' -o -name '*.pp' \) 2>/dev/null | sort > "$out/corpus.txt"

echo "== corpus: $(wc -l < "$out/corpus.txt") files"
/usr/bin/time -f "peak memory %M KB" "$out/cli/quillmap2-cli" parse --summary --list "$out/corpus.txt" || true
largest=$(xargs -d '\n' -a "$out/corpus.txt" stat -c %s | sort -n | tail -1)
echo "largest file $((largest / 1024)) KB"

echo "== parser throughput"
"$out/bench/parser_bench" --corpus="$out/corpus.txt" --library="$out/genlib-50mb" --benchmark_min_time=2 "$@"
