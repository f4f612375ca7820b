#!/usr/bin/env bash
# A long libFuzzer run (default 30 minutes) of the parser, or with a second argument "hlp" of the
# help file reader; sanitizers on, 64 KB inputs, any input that takes over a second counting as a
# hang. Seeds: the test fixtures. Findings land in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-1800}
scripts/setup.sh
cmake -S . -B build-fuzz -G Ninja -DQM_FUZZ_ONLY=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
target=${2:-parser}
case "$target" in
  parser) fuzzer=build-fuzz/parser/parser_fuzzer seeds=testdata/parser corpus=build-fuzz/corpus ;;
  hlp) fuzzer=build-fuzz/help/hlp_fuzzer seeds=help/tests/hlpseeds corpus=build-fuzz/corpus-hlp ;;
  *) echo "usage: scripts/fuzz.sh [SECONDS] [parser|hlp]" >&2; exit 2 ;;
esac
cmake --build build-fuzz --target "$(basename "$fuzzer")" >/dev/null
mkdir -p "$corpus" build-fuzz/findings
exec "$fuzzer" -max_total_time="$seconds" -max_len=65536 -timeout=1 \
  -print_final_stats=1 -artifact_prefix=build-fuzz/findings/ "$corpus" "$seeds"
