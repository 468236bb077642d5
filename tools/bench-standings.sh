#!/bin/sh
# Whole-program speed of the pool standings: gridmoot-cli writing the season
# view of the largest pool (32,767 members, every game of 21 weeks picked)
# beside md5sum reading the same pool file, each a whole process under
# /usr/bin/time -v, run alternately; the median of each is compared.
#
#   tools/bench-standings.sh [BUILD_FOLDER] [RUNS]
#
# BUILD_FOLDER (default build) must hold gridmoot-cli and make_big_pool:
#   cmake --build BUILD_FOLDER --target gridmoot-cli make_big_pool
# The data folder is written once to $GRIDMOOT_BENCH_DATA (default
# /tmp/gridmoot-bench-largest-pool) and reused.
set -eu

build=${1:-build}
runs=${2:-7}
cli="$build/src/cli/gridmoot-cli"
maker="$build/bench/make_big_pool"
data=${GRIDMOOT_BENCH_DATA:-/tmp/gridmoot-bench-largest-pool}
pool="$data/Pool97.dat"

for tool in "$cli" "$maker"; do
    [ -x "$tool" ] || { echo "bench-standings: $tool not built" >&2; exit 1; }
done
[ -x /usr/bin/time ] || { echo "bench-standings: /usr/bin/time is needed (package time)" >&2; exit 1; }
[ -f "$pool" ] || "$maker" "$data" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

# Wall seconds, kilobytes of max RSS and CPU seconds (user + system) of one
# whole process, appended to $1.
measure() {
    out=$1
    shift
    /usr/bin/time -v -o "$work/time" "$@" >"$work/stdout" 2>/dev/null
    awk -F': ' '
        /Elapsed \(wall clock\)/ { n = split($2, p, ":"); s = 0; for (i = 1; i <= n; i++) s = s * 60 + p[i] }
        /Maximum resident set size/ { kb = $2 }
        /User time|System time/ { cpu += $2 }
        END { print s, kb, cpu }' "$work/time" >>"$out"
}

# One run of each first, untimed, so both read a file already in the page cache.
md5sum "$pool" >/dev/null
"$cli" --data "$data" report standings --view season >/dev/null

i=0
while [ "$i" -lt "$runs" ]; do
    measure "$work/md5" md5sum "$pool"
    measure "$work/cli" "$cli" --data "$data" report standings --view season
    i=$((i + 1))
done

lines=$(wc -l <"$work/stdout")
size=$(stat -c %s "$pool")

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
md5_time=$(cut -d' ' -f1 "$work/md5" | median)
cli_time=$(cut -d' ' -f1 "$work/cli" | median)
md5_rss=$(cut -d' ' -f2 "$work/md5" | median)
cli_rss=$(cut -d' ' -f2 "$work/cli" | median)
md5_cpu=$(cut -d' ' -f3 "$work/md5" | median)
cli_cpu=$(cut -d' ' -f3 "$work/cli" | median)

awk -v mt="$md5_time" -v ct="$cli_time" -v mr="$md5_rss" -v cr="$cli_rss" -v mc="$md5_cpu" -v cc="$cli_cpu" \
    -v size="$size" -v runs="$runs" -v lines="$lines" -v load="$(cut -d' ' -f1-3 /proc/loadavg)" 'BEGIN {
    printf "pool file           %d bytes, %s lines of standings output\n", size, lines
    printf "runs                %d of each, alternately (load average %s)\n", runs, load
    printf "md5sum              %.3f s wall, %.2f s CPU, max RSS %.1f MiB (medians)\n", mt, mc, mr / 1024
    printf "standings (season)  %.3f s wall, %.2f s CPU, max RSS %.1f MiB (medians)\n", ct, cc, cr / 1024
    printf "time ratio          %.2fx md5sum wall (target within 3x); CPU %.1fx\n", (mt > 0 ? ct / mt : 0), (mc > 0 ? cc / mc : 0)
    printf "max RSS / file      %.2fx (target within 2x)\n", cr * 1024 / size
}'
