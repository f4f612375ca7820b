#!/usr/bin/env bash
# Sets up the machine, builds Quillmap 2 and opens its window. Where no Delphi installation is
# configured the program browses the sample installation in samples/delphi2; its first run builds
# the class database, later runs go straight to TApplication. Without a display the window cannot
# open: the script says so and shows TApplication's members with the command-line tool instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target quillmap2 quillmap2-cli >/dev/null
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/navigator/main/quillmap2
fi
echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set), so the window cannot open."
echo "Showing the members of TApplication from the class database with quillmap2-cli instead."
cli=build/cli/quillmap2-cli
# Build the database from the sample only when it does not hold the VCL yet: units added by the
# user stay.
if [ "$("$cli" units | wc -l)" -lt 49 ]; then
  "$cli" init samples/delphi2
fi
exec "$cli" members TApplication
