#!/usr/bin/env bash
# Sets up the machine, builds Quillmap 2 and runs it. Until the window lands this builds the
# user's class database from the sample Delphi installation and shows a class's members.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build >/dev/null
build/cli/quillmap2-cli init samples/delphi2
exec build/cli/quillmap2-cli members TApplication
