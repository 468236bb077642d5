#!/bin/sh
# Compares the pool standings of two gridmoot-cli builds byte for byte over
# every combination of pool options and a set of week ranges, views, sorts
# and output kinds, on each data folder given (the folder's settings file is
# rewritten for each option set and removed at the end).
#
#   bench/tools/compare-standings.sh OLD_CLI NEW_CLI FOLDER... [--sample]
#
# --sample runs a few ranges of every option set only (for the largest pool).
set -eu

old=$1
new=$2
shift 2
sample=no
folders=
for a in "$@"; do
    if [ "$a" = --sample ]; then sample=yes; else folders="$folders $a"; fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

if [ "$sample" = yes ]; then
    cases='--start 1 --end 17 --view season
--start 3 --end 9 --view week
--start 1 --end 21 --view season --sort wins --show-all
--start 12 --end 5 --view season --sort pct'
else
    cases='--start 1 --end 17 --view season
--start 1 --end 17 --view week
--view season
--view week
--start 5 --end 12 --view season --show-all
--start 3 --end 21 --view week --show-all
--start 12 --end 5 --view season
--start 12 --end 5 --view week --show-all
--start 1 --end 1 --view season
--start 21 --end 21 --view week
--end 9 --view season --sort wins
--start 2 --end 16 --view week --sort pct
--start 4 --end 14 --view season --sort points
--start 1 --end 17 --view season --sort names
--start 6 --end 11 --view week --sort names --show-all
--start 1 --end 17 --view season --to clipboard-text
--start 2 --end 18 --view week --to web'
fi

runs=0
diffs=0
for folder in $folders; do
    for spreads in Yes No; do
    for sort in Confidence Wins WinPct; do
    for tb in MonGame Wins WinPct NotUsed; do
    for second in Monday None; do
    # The Monday scoring and the current week vary together: total points
    # with a new folder's week 1, winning margin with week 13.
    for mw in TotalPoints:none WinningMargin:13; do
        mpts=${mw%:*}
        week=${mw#*:}
        {
            printf '[Options]\r\nPointSpreads=%s\r\nPoolSort=%s\r\nTBMethod=%s\r\nSecondaryTB=%s\r\nMondayPts=%s\r\n' \
                "$spreads" "$sort" "$tb" "$second" "$mpts"
            [ "$week" = none ] || printf '[Gridmoot]\r\nCurrentWeek=%s\r\n' "$week"
        } >"$folder/Vask97.ini"
        echo "$cases" | while IFS= read -r args; do
            # shellcheck disable=SC2086
            "$old" --data "$folder" report standings $args --out "$work/old" >/dev/null 2>"$work/old.err" || echo "exit $?" >>"$work/old"
            # shellcheck disable=SC2086
            "$new" --data "$folder" report standings $args --out "$work/new" >/dev/null 2>"$work/new.err" || echo "exit $?" >>"$work/new"
            [ -s "$work/old" ] || echo "EMPTY: $folder $args" >&2
            if ! cmp -s "$work/old" "$work/new" || ! cmp -s "$work/old.err" "$work/new.err"; then
                echo "DIFFERS: $folder spreads=$spreads sort=$sort tb=$tb second=$second mondaypts=$mpts week=$week: $args"
                echo x >>"$work/diffs"
            fi
            echo x >>"$work/runs"
            rm -f "$work/old" "$work/new"
        done
        [ "$sample" = no ] || break  # the largest pool: one Monday scoring and week each
    done
    done
    done
    done
    done
    rm -f "$folder/Vask97.ini"
done
runs=$(wc -l <"$work/runs" 2>/dev/null || echo 0)
diffs=$(cat "$work/diffs" 2>/dev/null | wc -l)
echo "compared $runs outputs over$folders: $diffs differ"
[ "$diffs" -eq 0 ]
