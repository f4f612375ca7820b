#!/usr/bin/env bash
# Rewrites samples/delphi2/SOURCE, the sample installation's 49 units, from the declaration table
# samples/vcl-table.txt, then its help keyword index and help file (which need a build, see
# make-sample-help.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
rm -rf samples/delphi2/SOURCE
python3 samples/make_sample.py samples/vcl-table.txt samples/delphi2/SOURCE
echo "$(find samples/delphi2/SOURCE -type f | wc -l) units, $(du -sb samples/delphi2/SOURCE | cut -f1) bytes in samples/delphi2/SOURCE"
if [ -x build/cli/quillmap2-cli ] && [ -x build/help/qm_hdxgen ] && [ -x build/help/qm_hlpgen ]; then
  scripts/make-sample-help.sh
else
  echo "build quillmap2-cli, qm_hdxgen and qm_hlpgen, then run scripts/make-sample-help.sh" >&2
fi
