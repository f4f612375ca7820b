#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop needs is there: both
# programs, the desktop entry, the icons and the sample installation; then that the installed
# command-line tool builds the class database from the installed sample.
# usage: install_test.sh CMAKE BUILD-DIR BINDIR DATADIR   (BINDIR and DATADIR relative to the prefix)
set -euo pipefail
cmake=$1 build=$2 bindir=$3 datadir=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CONFIG_DIRS=$work/xdg HOME=$work
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
sample=$prefix/$datadir/quillmap2/delphi2
for program in quillmap2 quillmap2-cli; do
  [ -x "$prefix/$bindir/$program" ] || fail "$bindir/$program is not installed"
done
for file in applications/quillmap2.desktop icons/hicolor/scalable/apps/quillmap2.svg \
            icons/hicolor/256x256/apps/quillmap2.png quillmap2/delphi2/SOURCE/VCL/Forms.pas \
            quillmap2/delphi2/BIN/DELPHI.HDX quillmap2/delphi2/BIN/DELPHI.HLP; do
  [ -s "$prefix/$datadir/$file" ] || fail "$datadir/$file is not installed"
done
# The PNG's header: width and height, 4 bytes each, big-endian.
size=$(od -An -tu1 -j16 -N8 "$prefix/$datadir/icons/hicolor/256x256/apps/quillmap2.png" | tr -s ' ')
[ "$size" = " 0 0 1 0 0 0 1 0" ] || fail "the PNG icon is not 256 x 256 (header bytes$size)"
# The generator is not part of the installation.
[ -z "$(find "$sample" -name '*.py' -o -name '*.txt' -o -name '.git*')" ] || fail "the sample carries source-tree files"

cli=$prefix/$bindir/quillmap2-cli
"$cli" --db "$work/x.db" init "$sample" >/dev/null
units=$("$cli" --db "$work/x.db" units)
[ "$(wc -l <<<"$units")" -eq 49 ] || fail "expected 49 units from the installed sample, got $(wc -l <<<"$units")"
outside=$(cut -f3 <<<"$units" | grep -v "^$sample/" || true)
[ -z "$outside" ] || fail "units stored from outside the installed sample: $outside"
members=$("$cli" --db "$work/x.db" members TApplication)
grep -q $'\tTApplication\t' <<<"$members" || fail "TApplication has no members"
echo "install ok: $(find "$prefix" -type f | wc -l) files under the prefix, 49 units from the installed sample"
