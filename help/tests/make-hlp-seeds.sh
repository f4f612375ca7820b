#!/usr/bin/env bash
# Rewrites help/tests/hlpseeds, the help file fuzzer's seeds: small help files of every packing
# and phrase scheme, written by qm_hlpgen from a small unit of two classes (found-*.hlp are the
# fuzzer's findings, kept as they were). Needs a build.
set -euo pipefail
cd "$(dirname "$0")/../.."
gen=build/help/qm_hlpgen hdxgen=build/help/qm_hdxgen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/src" help/tests/hlpseeds
printf 'unit Tiny;\ninterface\ntype\n  TControl = class(TObject)\n  public\n    procedure Run;\n    property Name: string read FName;\n  end;\n  TChild = class(TControl)\n  published\n    property Caption: string read FCaption write FCaption;\n  end;\nimplementation\nend.\n' > "$work/src/Tiny.pas"
printf 'TControl\tTControl\nTChild\tTChild\nRun\tTControl_Run\nName\tTControl_Name\nCaption\tTChild_Caption\n' > "$work/list.txt"
"$hdxgen" "$work/list.txt" "$work/tiny.hdx"
"$gen" --old-phrases --v3 "$work/tiny.hdx" "$work/src" help/tests/hlpseeds/packed-phrases.hlp
"$gen" --old-phrases --v3 --no-compress "$work/tiny.hdx" "$work/src" help/tests/hlpseeds/phrases.hlp
"$gen" --v3 --no-compress --no-phrases "$work/tiny.hdx" "$work/src" help/tests/hlpseeds/plain.hlp
"$gen" "$work/tiny.hdx" "$work/src" help/tests/hlpseeds/packed-hall.hlp
"$gen" --small-blocks "$work/tiny.hdx" "$work/src" help/tests/hlpseeds/packed-hall-2k.hlp
"$gen" --v30 "$work/tiny.hdx" "$work/src" help/tests/hlpseeds/v30-phrases.hlp
"$gen" --charset 204 "$work/tiny.hdx" "$work/src" help/tests/hlpseeds/cyrillic.hlp
ls -l help/tests/hlpseeds
