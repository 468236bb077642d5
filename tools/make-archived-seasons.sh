#!/usr/bin/env bash
# Rebuilds the seasons shipped with the program from the public NFL results:
# the archived seasons (share/seasons) and the full 1997 season the sample
# pool is made from (share/sample). Usage: tools/make-archived-seasons.sh [RESULTS_CSV]
set -euo pipefail
cd "$(dirname "$0")/.."
csv="${1:-tests/data/nfl-scores-1995-1997.csv}"
cli=./build/src/cli/gridmoot-cli
for season in 1995 1996; do
  "$cli" --data share/seasons import-season "$csv" --season "$season"
done
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
"$cli" --data "$scratch" import-season "$csv" --season 1997
mkdir -p share/sample
cp "$scratch/1997.nfl" share/sample/1997.NFL
rm -f share/seasons/.gridmoot.lock  # the import's lock, not a shipped file
