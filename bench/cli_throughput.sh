#!/bin/sh
# Times brindlex-code beside awk on the same realistic code lines, in one run:
#
#   sh bench/cli_throughput.sh [BUILD_DIR] [LINES] [LONG_LINE_BYTES] [ROUNDS]
#
# BUILD_DIR (default "build") is a Release build with the benchmarks. The
# script makes LINES (default 1000000) lines with bench/make_code_lines,
# runs `awk '{print}'`, `brindlex-code normalize` and `brindlex-code decode`
# on them in turn, ROUNDS (default 5) times (output to /dev/null; on a shared
# machine whose load changes, more rounds give steadier ratios), and prints
# the best wall time, the CPU time of that run, the peak memory and the ratios
# normalize/awk and decode/normalize. Then it runs normalize and decode on
# one line whose name is LONG_LINE_BYTES (default 200000000) long and prints
# their peak memory beside three times the line plus 8 MB. Where perf works,
# it also prints the share of the time that ParseCode and ComposeCodeInto
# take. Peak memory needs GNU time (/usr/bin/time, Debian package "time").
set -eu

build=${1:-build}
count=${2:-1000000}
long=${3:-200000000}
rounds=${4:-5}
tool=$build/cli/brindlex-code
make=$build/bench/make_code_lines
for program in "$tool" "$make"; do
    if [ ! -x "$program" ]; then
        echo "cli_throughput.sh: $program is missing; build $build first" >&2
        exit 2
    fi
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$make" "$count" >"$tmp/lines"
echo "input: $count lines, $(wc -c <"$tmp/lines") bytes; output to /dev/null"

if [ -x /usr/bin/time ]; then
    has_time=yes
else
    has_time=no
    echo "(no /usr/bin/time: CPU time and peak memory are not shown)"
fi

# run INPUT COMMAND...: one run; sets wall (s), cpu (s) and peak (KB).
run() {
    input=$1
    shift
    start=$(date +%s%N)
    if [ "$has_time" = yes ]; then
        /usr/bin/time -f '%U %S %M' -o "$tmp/time" "$@" <"$input" >/dev/null
    else
        "$@" <"$input" >/dev/null
        echo '? ? ?' >"$tmp/time"
    fi
    stop=$(date +%s%N)
    wall=$(awk -v a="$start" -v b="$stop" 'BEGIN { printf "%.3f", (b - a) / 1e9 }')
    cpu=$(awk '{ if ($1 == "?") print "?"; else printf "%.2f", $1 + $2 }' "$tmp/time")
    peak=$(awk '{ print $3 }' "$tmp/time")
}

# The three commands take turns, `rounds` times, so that a change in the
# machine's load falls on all of them; each keeps its fastest run.
names="awk normalize decode"
for name in $names; do
    eval "best_$name="
done
for _ in $(seq "$rounds"); do
    for name in $names; do
        case $name in
        awk) run "$tmp/lines" awk '{print}' ;;
        *) run "$tmp/lines" "$tool" "$name" ;;
        esac
        eval "best=\$best_$name"
        if [ -z "$best" ] || awk -v w="$wall" -v b="$best" 'BEGIN { exit !(w < b) }'; then
            eval "best_$name=$wall cpu_$name=$cpu peak_$name=$peak"
        fi
    done
done
for name in $names; do
    case $name in
    awk) label="awk '{print}'" ;;
    *) label="brindlex-code $name" ;;
    esac
    eval "printf '%-24s %7s s wall  %6s s CPU  %8s KB peak\n' \"\$label\" \$best_$name \$cpu_$name \$peak_$name"
done

awk -v a="$best_awk" -v n="$best_normalize" -v d="$best_decode" 'BEGIN {
    printf "normalize / awk       %6.2f  (goal at most 3)\n", n / a
    printf "decode / normalize    %6.2f  (goal at most 2)\n", d / n
}'

if command -v perf >/dev/null 2>&1 && perf stat -o /dev/null true >/dev/null 2>&1; then
    for command in normalize decode; do
        perf record -q -o "$tmp/perf.data" "$tool" "$command" <"$tmp/lines" >/dev/null 2>&1
        # The readers and writers that the compiler kept apart from ParseCode and
        # ComposeCodeInto count with them.
        perf report -q -i "$tmp/perf.data" --stdio --sort symbol 2>/dev/null |
            awk -v c="$command" '
                { share = $1; sub(/%/, "", share) }
                /brindlex::(ParseCode|ReadWrittenTags|reading::CopySection)|namespace\)::(Read(Family|Species|Tags|Token|LevelTokens|Kinks)|Fast)/ {
                    parse += share
                }
                /brindlex::ComposeCode|namespace\)::Write[A-Z]/ { compose += share }
                END { printf "%-9s time in ParseCode %.1f%%, in ComposeCodeInto %.1f%%\n", c,
                      parse, compose }'
    done
fi

if [ "$has_time" = yes ] && [ "$long" -gt 0 ]; then
    "$make" --long-name "$long" >"$tmp/long"
    bytes=$(wc -c <"$tmp/long")
    limit=$(awk -v b="$bytes" 'BEGIN { printf "%d", (3 * b + 8 * 1048576) / 1024 }')
    echo "one line of $bytes bytes, limit 3 x line + 8 MB = $limit KB:"
    for command in normalize decode; do
        run "$tmp/long" "$tool" "$command"
        printf '%-22s %8s s wall  %8s KB peak\n' "brindlex-code $command" "$wall" "$peak"
    done
fi
