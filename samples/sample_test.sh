#!/usr/bin/env bash
# Checks that the sample installation still gives the browser what it is there for: the 49 units
# load with REPORT last, 450+ classes, TApplication in Forms with its chain to TObject and a long
# member list, and the names the main window starts from and double-clicks on.
# usage: sample_test.sh QUILLMAP2-CLI SAMPLE-ROOT
set -euo pipefail
cli=$1 root=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CONFIG_DIRS=$work/xdg HOME=$work
q() { "$cli" --db "$work/sample.db" "$@"; }
fail() { echo "FAIL: $*" >&2; exit 1; }

q init "$root" >/dev/null
units=$(q units | sort -n)
[ "$(wc -l <<<"$units")" -eq 49 ] || fail "expected 49 units"
[ "$(tail -1 <<<"$units" | cut -f2)" = REPORT ] || fail "REPORT is not the last unit"
classes=$(q classes | wc -l)
[ "$classes" -ge 450 ] || fail "only $classes classes"
members=$(q members TApplication)
[ "$(wc -l <<<"$members")" -ge 150 ] || fail "TApplication lists only $(wc -l <<<"$members") members"
chain=$(cut -f3 <<<"$members" | uniq | paste -sd' ')
[ "$chain" = "TApplication TComponent TPersistent TObject" ] || fail "TApplication's chain is $chain"
unit_of() { q classes "$1" | cut -f3 | { read -r id; q units | awk -F'\t' -v id="$id" '$1 == id { print $2 }'; }; }
[ "$(unit_of TApplication)" = FORMS ] || fail "TApplication is not in Forms"
[ "$(unit_of TForm)" = FORMS ] || fail "TForm is not in Forms"
[ "$(unit_of TButton)" = STDCTRLS ] || fail "TButton is not in StdCtrls"
# The output is read whole before grep looks at it: grep -q may stop reading early, and the
# tool's broken pipe would then fail the pipeline.
clicks=$(q search Click)
grep -q '/STDCTRLS\.TButton\.Click$' <<<"$clicks" || fail "TButton declares no Click"
# A form's methods use what the form inherits, so a double-click on Caption leads up the chain.
forms=$(q units | awk -F'\t' '$2 == "FORMS" { print $1 }')
line=$(awk '/^(procedure|function|constructor|destructor) / { inform = /TForm\./ }
            inform && /Caption/ { print NR; exit }' "$root/SOURCE/VCL/Forms.pas")
[ -n "$line" ] || fail "no method of TForm uses Caption"
resolved=$(q resolve "$forms" "$line" Caption)
grep -q $'\tTControl\tCaption\t' <<<"$resolved" || fail "Caption in TForm does not lead to TControl"
echo "sample ok: 49 units, $classes classes, $(wc -l <<<"$members") members of TApplication"
