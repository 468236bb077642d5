#!/usr/bin/env bash
# Rebuilds the archived seasons shipped with the program (share/seasons) from
# the public NFL results. Usage: tools/make-archived-seasons.sh [RESULTS_CSV]
set -euo pipefail
cd "$(dirname "$0")/.."
csv="${1:-../shared/data/nfl-scores-1995-1997.csv}"
for season in 1995 1996; do
  ./build/src/cli/gridmoot-cli --data share/seasons import-season "$csv" --season "$season"
done
