#!/bin/sh
# Whole-program speed of the pool standings: gridmoot-cli writing the season
# view of weeks 1 to 17 of the largest pool (32,767 members, every game of 21
# weeks picked) beside md5sum reading the same pool file, each a whole process
# under /usr/bin/time -v, run alternately; the medians are compared. One
# summary line per option set: medians of wall and CPU time (user + system,
# 10 ms steps) of both, their ratios, the standings' max RSS over the file's
# size, the lines written and the load average after the runs.
#
#   tools/bench-standings.sh [OPTIONS] [BUILD_FOLDER] [RUNS]
#
# Options (the pool options written to the folder's settings file):
#   --repeating             members' picks copied from a few dozen entries, so
#                           that members tie often as in a real pool (default:
#                           every member's picks differ)
#   --spreads yes|no        grade against the spread (default yes)
#   --sort points|wins|pct  rank by confidence points, wins or win percentage
#                           (default points)
#   --tb mongame|wins|pct|none   first tiebreaker (default wins)
#   --monday on|off         Monday-night tiebreaker as the second (default on)
#   --all                   every combination of the four above (48 sets),
#                           one line each, on the chosen kind of pool
#   --week N                the settings' current week, where the window
#                           opens before the command moves to week 17
#                           (default: none written, week 1 as a new folder)
#
# BUILD_FOLDER (default build) must hold gridmoot-cli and make_big_pool:
#   cmake --build BUILD_FOLDER --target gridmoot-cli make_big_pool
# The data folders are written once to $GRIDMOOT_BENCH_DATA (default
# /tmp/gridmoot-bench-largest-pool) and the same name with "-repeating", and
# reused; their settings file is rewritten for each option set.
set -eu

repeating=no
spreads=yes
sort=points
tb=wins
monday=on
all=no
week=
while [ $# -gt 0 ]; do
    case $1 in
        --repeating) repeating=yes ;;
        --spreads) spreads=$2; shift ;;
        --sort) sort=$2; shift ;;
        --tb) tb=$2; shift ;;
        --monday) monday=$2; shift ;;
        --all) all=yes ;;
        --week) week=$2; shift ;;
        -h|--help) sed -n '2,/^set -eu/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
        -*) echo "bench-standings: unknown option $1" >&2; exit 2 ;;
        *) break ;;
    esac
    shift
done

build=${1:-build}
runs=${2:-7}
cli="$build/src/cli/gridmoot-cli"
maker="$build/bench/make_big_pool"
data=${GRIDMOOT_BENCH_DATA:-/tmp/gridmoot-bench-largest-pool}
kind=differing
if [ "$repeating" = yes ]; then
    data="$data-repeating"
    kind=repeating
fi
pool="$data/Pool97.dat"

option() {  # option NAME VALUE: the settings file's value of a command-line choice
    case $1:$2 in
        spreads:yes) echo Yes ;; spreads:no) echo No ;;
        sort:points) echo Confidence ;; sort:wins) echo Wins ;; sort:pct) echo WinPct ;;
        tb:mongame) echo MonGame ;; tb:wins) echo Wins ;; tb:pct) echo WinPct ;; tb:none) echo NotUsed ;;
        monday:on) echo Monday ;; monday:off) echo None ;;
        *) echo "bench-standings: --$1 $2 is not a choice" >&2; exit 2 ;;
    esac
}

for choice in "spreads $spreads" "sort $sort" "tb $tb" "monday $monday"; do
    # shellcheck disable=SC2086
    option $choice >/dev/null || exit 2
done

for tool in "$cli" "$maker"; do
    [ -x "$tool" ] || { echo "bench-standings: $tool not built" >&2; exit 1; }
done
[ -x /usr/bin/time ] || { echo "bench-standings: /usr/bin/time is needed (package time)" >&2; exit 1; }
if [ ! -f "$pool" ]; then
    if [ "$repeating" = yes ]; then "$maker" "$data" --repeating >/dev/null; else "$maker" "$data" >/dev/null; fi
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

# Wall seconds, kilobytes of max RSS and CPU seconds (user + system) of one
# whole process, appended to $1. The wall time is taken around the process
# to the microsecond (time -v gives hundredths, too coarse beside md5sum).
measure() {
    out=$1
    shift
    start=$(date +%s.%N)
    /usr/bin/time -v -o "$work/time" "$@" >"$work/stdout" 2>/dev/null
    end=$(date +%s.%N)
    awk -F': ' -v start="$start" -v end="$end" '
        /Maximum resident set size/ { kb = $2 }
        /User time|System time/ { cpu += $2 }
        END { printf "%.6f %s %s\n", end - start, kb, cpu }' "$work/time" >>"$out"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }


size=$(stat -c %s "$pool")
printf 'pool file %s: %d bytes, %s picks; %d runs of each, alternately; load average at start %s\n' \
    "$pool" "$size" "$kind" "$runs" "$(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-10s %-7s %-6s %-8s %-7s %9s %9s %7s %8s %8s %7s %6s %6s  %s\n' \
    pool spreads sort tb monday "md5 wall" "cli wall" ratio "md5 CPU" "cli CPU" "ratio" "RSS/f" lines load
failed=0

# One option set: writes the settings, times both programs, prints one line.
bench_set() {
    s_spreads=$1 s_sort=$2 s_tb=$3 s_monday=$4
    {
        printf '[Options]\r\nPointSpreads=%s\r\nPoolSort=%s\r\nTBMethod=%s\r\nSecondaryTB=%s\r\nMondayPts=TotalPoints\r\n' \
            "$(option spreads "$s_spreads")" "$(option sort "$s_sort")" "$(option tb "$s_tb")" "$(option monday "$s_monday")"
        [ -z "$week" ] || printf '[Gridmoot]\r\nCurrentWeek=%s\r\n' "$week"
    } >"$data/Vask97.ini"
    rm -f "$work/md5" "$work/cli"
    # One run of each first, untimed, so both read a file already in the page cache.
    md5sum "$pool" >/dev/null
    "$cli" --data "$data" report standings --start 1 --end 17 --view season >/dev/null
    i=0
    while [ "$i" -lt "$runs" ]; do
        measure "$work/md5" md5sum "$pool"
        measure "$work/cli" "$cli" --data "$data" report standings --start 1 --end 17 --view season
        i=$((i + 1))
    done
    lines=$(wc -l <"$work/stdout")
    md5_time=$(cut -d' ' -f1 "$work/md5" | median)
    cli_time=$(cut -d' ' -f1 "$work/cli" | median)
    cli_rss=$(cut -d' ' -f2 "$work/cli" | median)
    cli_cpu=$(cut -d' ' -f3 "$work/cli" | median)
    md5_cpu=$(cut -d' ' -f3 "$work/md5" | median)
    awk -v k="$kind" -v a="$s_spreads" -v b="$s_sort" -v c="$s_tb" -v d="$s_monday" \
        -v mt="$md5_time" -v ct="$cli_time" -v mc="$md5_cpu" -v cc="$cli_cpu" -v cr="$cli_rss" -v size="$size" \
        -v lines="$lines" -v load="$(cut -d' ' -f1 /proc/loadavg)" 'BEGIN {
        ratio = mt > 0 ? ct / mt : 0
        rss = cr * 1024 / size
        printf "%-10s %-7s %-6s %-8s %-7s %8.4fs %8.4fs %6.2fx %7.2fs %7.2fs %6.1fx %5.2fx %6d  %s%s\n", k, a, b, c, d,
            mt, ct, ratio, mc, cc, (mc > 0 ? cc / mc : 0), rss, lines, load,
            (ratio <= 2 && rss <= 1.5) ? "" : "  over target"
        exit (ratio <= 2 && rss <= 1.5) ? 0 : 1
    }' || failed=$((failed + 1))
}

if [ "$all" = yes ]; then
    for s in yes no; do
        for o in points wins pct; do
            for t in mongame wins pct none; do
                for m in on off; do bench_set "$s" "$o" "$t" "$m"; done
            done
        done
    done
else
    bench_set "$spreads" "$sort" "$tb" "$monday"
fi
echo "targets: wall within 2x md5sum's (median of alternating runs), max RSS within 1.5x the pool file;" \
    "option sets over either: $failed"
