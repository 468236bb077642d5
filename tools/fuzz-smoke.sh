#!/usr/bin/env bash
# Builds the fuzz targets with clang into their own build folder (the core
# only, no Qt), runs each target for a few seconds from its seeds and kept
# inputs, and exits non-zero on any finding. The kept inputs are replayed
# first, since the fuzzer runs every input it is given before mutating.
#
#   tools/fuzz-smoke.sh                 every target, 5 seconds each
#   FUZZ_SECONDS=60 tools/fuzz-smoke.sh settings season_csv
#
# FUZZ_BUILD names the build folder (default build-fuzz); a finding is left in
# $FUZZ_BUILD/findings/<target>/ for tests/core/fuzzregress/inputs/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${FUZZ_BUILD:-build-fuzz}
seconds=${FUZZ_SECONDS:-5}
data=${GRIDMOOT_SHARED_DATA:-tests/data}

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRIDMOOT_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for source in fuzz/*_fuzz.cpp; do
    name=$(basename "$source" .cpp)
    targets+=("${name%_fuzz}")
  done
fi
cmake --build "$build" -j"${JOBS:-2}" --target "${targets[@]/%/_fuzz}"

# The smoke run does what the program does after each load too (displays,
# saves, read-backs); long runs of the loaders alone leave it unset.
export GRIDMOOT_FUZZ_DEEP=${GRIDMOOT_FUZZ_DEEP:-1}
export ASAN_OPTIONS=${ASAN_OPTIONS:-max_malloc_fill_size=0:quarantine_size_mb=16}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Seeds cut at run time from the public results; they are never kept in the tree.
csv_seeds="$work/csv-seeds"
mkdir -p "$csv_seeds"
if [ -f "$data/nfl-scores-1995-1997.csv" ]; then
  results="$data/nfl-scores-1995-1997.csv"
  { head -n 1 "$results"; grep ',1997,1,' "$results" | head -n 6; } >"$csv_seeds/week1-1997.csv"
  { head -n 1 "$results"; grep -E ',1997,(Wildcard|Division|Conference|Superbowl),' "$results"; } >"$csv_seeds/playoffs-1997.csv"
fi

failed=()
for target in "${targets[@]}"; do
  seeds=("fuzz/corpus/$target")
  [ -d "tests/core/fuzzregress/inputs/$target" ] && seeds+=("tests/core/fuzzregress/inputs/$target")
  case "$target" in
    season_file) seeds+=(share/seasons) ;;
    season_csv) seeds+=("$csv_seeds") ;;
  esac
  max_len=4096
  case "$target" in
    season_file) max_len=7245 ;;
    today_season_file) max_len=10240 ;;
    sportsbox) max_len=42000 ;;
    pool_file | pool_csv) max_len=8192 ;;
  esac
  findings="$build/findings/$target"
  mkdir -p "$work/$target" "$findings"
  echo "== $target: ${seconds}s"
  if ! "$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" \
      "$work/$target" "${seeds[@]}" >"$work/$target.log" 2>&1; then
    tail -n 40 "$work/$target.log"
    failed+=("$target")
  else
    grep -E '^stat::number_of_executed_units|^Done' "$work/$target.log" || true
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz-smoke: findings in: ${failed[*]} (inputs kept in $build/findings)" >&2
  exit 1
fi
echo "fuzz-smoke: no findings"
