#!/usr/bin/env bash
# Writes every report of a gridmoot-cli in every form it has (text, clipboard
# text, web page, and the PDF's text) into OUT_FOLDER, on two pools: the sample
# (the 1997 season through week 8, the pool on week 9) and the same pool on the
# full 1997 season. Two builds are compared by running it with each and
# diffing the folders:
#   tools/compare-reports.sh OLD/gridmoot-cli /tmp/old
#   tools/compare-reports.sh build/src/cli/gridmoot-cli /tmp/new
#   diff -r /tmp/old /tmp/new
# Usage: tools/compare-reports.sh GRIDMOOT_CLI OUT_FOLDER
set -euo pipefail
cli="$(realpath "$1")"
out="$2"
here="$(cd "$(dirname "$0")/.." && pwd)"
rm -rf "$out"
mkdir -p "$out"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

"$cli" --data "$scratch/sample" make-sample >/dev/null
cp -r "$scratch/sample" "$scratch/full"
rm -f "$scratch/full/Sample.txt"
"$cli" --data "$scratch/full" import-season "$here/tests/data/nfl-scores-1995-1997.csv" --season 1997 >/dev/null

reports=$("$cli" report --list | awk '{print $1}')
for pool in sample full; do
  for report in $reports; do
    help=$("$cli" report "$report" --help)
    variants=("default")
    if grep -q -- "--week N" <<<"$help"; then variants+=("--week 8" "--week 17"); fi
    if grep -q -- "--end N" <<<"$help"; then variants+=("--end 8" "--start 3 --end 17 --view season"); fi
    for variant in "${variants[@]}"; do
      args=()
      [ "$variant" != "default" ] && read -r -a args <<<"$variant"
      name="$pool-$report-$(tr ' ' '_' <<<"$variant")"
      for to in text clipboard-text web pdf; do
        file="$out/$name.$to"
        set +e
        "$cli" --data "$scratch/$pool" report "$report" "${args[@]}" --to "$to" --out "$file" \
          >"$file.stdout" 2>"$file.stderr"
        echo "exit $?" >>"$file.stderr"
        set -e
        if [ "$to" = pdf ] && [ -f "$file" ]; then
          pdftotext -layout "$file" "$file.txt" && rm -f "$file"
        fi
        # Messages name the folders: keep them comparable.
        sed -i -e "s#$scratch#POOL#g" -e "s#$out#OUT#g" "$file.stdout" "$file.stderr"
      done
    done
  done
done
echo "Wrote $(find "$out" -type f | wc -l) files to $out"
