#!/usr/bin/env bash
# Sets up the machine, builds Quillmap 2 and runs it. Until the window lands this runs the
# command-line tool on a sample unit.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build >/dev/null
exec build/cli/quillmap2-cli parse testdata/parser/shapes.pas
