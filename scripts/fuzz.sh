#!/usr/bin/env bash
# A long libFuzzer run of the parser (default 30 minutes), sanitizers on, 64 KB inputs, any
# input that takes over a second counting as a hang. Seeds: the test fixtures. Findings land in
# build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-1800}
scripts/setup.sh
cmake -S . -B build-fuzz -G Ninja -DQM_FUZZ_ONLY=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target parser_fuzzer >/dev/null
mkdir -p build-fuzz/corpus build-fuzz/findings
exec build-fuzz/parser/parser_fuzzer -max_total_time="$seconds" -max_len=65536 -timeout=1 \
  -print_final_stats=1 -artifact_prefix=build-fuzz/findings/ build-fuzz/corpus testdata/parser
