#!/usr/bin/env bash
# Rebuilds samples/delphi2/BIN/DELPHI.HDX, the sample installation's help keyword index: one
# keyword for every class of the sample library (topic "TClass") and for every member name
# (topic "TClass_Member" of the first class, in load order, that declares it), then
# samples/delphi2/BIN/DELPHI.HLP, its help file, with one topic per keyword. Needs a build.
set -euo pipefail
cd "$(dirname "$0")/.."
cli=build/cli/quillmap2-cli
gen=build/help/qm_hdxgen
hlpgen=build/help/qm_hlpgen
list=$(mktemp)
trap 'rm -f "$list"' EXIT
# The units in load order: the order of the VCL initialization.
db=$(mktemp -u).db
"$cli" --db "$db" init samples/delphi2 >/dev/null
"$cli" --db "$db" units | sort -n | cut -f3 |
  while read -r unit; do "$cli" parse "$unit"; done |
  awk -F'\t' '
    $1 == "class" { cls = $2; if (!(cls in seen)) { seen[cls] = 1; print cls "\t" cls } }
    $1 == "method" || $1 == "property" || $1 == "field" {
      if (!($2 in seen)) { seen[$2] = 1; print $2 "\t" cls "_" $2 } }' > "$list"
rm -f "$db" "$db"-wal "$db"-shm
mkdir -p samples/delphi2/BIN
"$gen" "$list" samples/delphi2/BIN/DELPHI.HDX
echo "$(wc -l < "$list") keywords in samples/delphi2/BIN/DELPHI.HDX"
"$hlpgen" samples/delphi2/BIN/DELPHI.HDX samples/delphi2/SOURCE samples/delphi2/BIN/DELPHI.HLP
