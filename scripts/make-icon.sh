#!/usr/bin/env bash
# Remakes desktop/quillmap2.png, the 256 px icon, from desktop/quillmap2.svg (rsvg-convert, package
# librsvg2-bin). Run it after changing the SVG and commit both.
set -euo pipefail
cd "$(dirname "$0")/.."
rsvg-convert -w 256 -h 256 desktop/quillmap2.svg -o desktop/quillmap2.png
