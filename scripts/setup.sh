#!/usr/bin/env bash
# Installs every Debian package that building, testing, benchmarking and running Quillmap 2 needs.
# Idempotent and quiet: nothing is printed and apt is not touched when everything is present.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config git
  clang libclang-rt-14-dev
  # window system and printing
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  # real keyboard and mouse input for the window tests on the X display (XTEST)
  libx11-dev libxtst-dev
  # the accessibility bus and a screen reader's listener for the window tests under it
  at-spi2-core dbus python3-pyatspi
  # class database
  libsqlite3-dev libsqlitecpp-dev sqlite3
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # the parser's benchmark compares its speed with universal-ctags's
  universal-ctags
  # fonts metric-compatible with Arial and Courier New, screenshots, PDF text checks, peak memory
  fonts-liberation2 xvfb xauth poppler-utils time
  # the desktop entry's check, and the icon's PNG made from its SVG (scripts/make-icon.sh)
  desktop-file-utils librsvg2-bin
  # the sample installation's generator and its check
  python3
  # screenshots of the real windows under Xvfb (xwd, convert)
  x11-apps imagemagick
  # real Pascal code for the parser's corpus run
  fpc-source lazarus-src
  # help files of an independent writer for the help file reader's test
  halibut
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
