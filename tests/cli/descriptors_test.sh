#!/bin/sh
# Runs brindlex-code with standard input and output on descriptors that only
# a real process has: a directory, /dev/full, /proc/self/mem. Every failure
# must exit 2 with one line "brindlex-code: ..." on standard error.
set -u
tool=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0

# check STATUS INPUT OUTPUT ARGUMENT...
check() {
    want=$1 input=$2 output=$3
    shift 3
    "$tool" "$@" <"$input" >"$output" 2>"$dir/err"
    status=$?
    if [ "$status" -ne "$want" ] ||
        { [ "$want" -ne 0 ] && { [ "$(wc -l <"$dir/err")" -ne 1 ] ||
            ! grep -q '^brindlex-code: ' "$dir/err"; }; }; then
        echo "FAILED: brindlex-code $* <$input >$output exited $status, standard error:"
        cat "$dir/err"
        failures=$((failures + 1))
    fi
}

echo '2.0F? V+' >"$dir/line"
echo '{}' >"$dir/record"
printf '{"age":1e400}' >"$dir/huge"

for command in normalize decode explain "explain --json"; do
    check 0 "$dir/line" /dev/null $command
    check 2 "$dir/line" /dev/full $command
    check 2 / /dev/null $command
done
check 0 "$dir/record" /dev/null compose
check 2 "$dir/record" /dev/full compose
check 2 / /dev/null compose
check 2 "$dir/huge" /dev/null compose
check 2 /dev/null /dev/null compose /proc/self/mem
check 2 /dev/null /dev/null compose "$dir"
check 2 /dev/null /dev/null compose "$dir/missing"
check 0 /dev/null /dev/null --help
check 2 /dev/null /dev/full --help
check 2 /dev/null /dev/null frobnicate

[ "$failures" -eq 0 ]
