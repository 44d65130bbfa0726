#!/bin/sh
# The real program, started twice on an X display (run it under own_display.sh): the second start
# hands over to the first window, which comes to the front, and ends with status 0 without
# showing a window or writing anything; the first window's answers are the ones kept; and a
# start after the window was killed opens a window of its own.
# Usage: single_window_test.sh BRINDLEX BRINDLEX_CODE
set -u
brindlex=$1
brindlex_code=$2

scratch=$(mktemp -d)
first=""
cover=""
cleanup() {
    [ -n "$first" ] && kill -9 "$first" 2>/dev/null
    [ -n "$cover" ] && kill "$cover" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A user of our own, so that nothing touches a real user's answers.
export HOME="$scratch/home" XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config" \
    XDG_RUNTIME_DIR="$scratch/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
folder="$XDG_DATA_HOME/brindlex"
answers="$folder/answers.json"
mkdir -p "$folder"
"$brindlex_code" decode '2.0FCf5 V+' > "$answers" || fail "no answers to start with"

# The ids of the windows called "Brindlex 2.0" that are mapped now.
main_windows() {
    xdotool search --onlyvisible --name '^Brindlex 2\.0$' 2>/dev/null
}
# Every mapped window of the program, the splash screen included.
program_windows() {
    xdotool search --onlyvisible --class brindlex 2>/dev/null | wc -l
}
# Waits up to 20 seconds for the main window; prints its id.
wait_for_window() {
    for _ in $(seq 200); do
        window=$(main_windows | head -n 1)
        if [ -n "$window" ]; then
            echo "$window"
            return 0
        fi
        sleep 0.1
    done
    return 1
}
# Answers a key press of the window `$1`: `$2...` are the keys.
keys() {
    window=$1
    shift
    xdotool windowfocus --sync "$window" && xdotool key --delay 150 "$@"
}
# What a start that shows no window is doing: its output, whether it runs, the windows.
state() {
    echo "output: $(cat "$1")"
    ps -o pid,stat,etime,wchan:24,args -p "$first" 2>&1
    ls -la "$folder" "$XDG_RUNTIME_DIR"
    xwininfo -root -children
}
listing() {
    ls -l --time-style=+%s.%N "$folder"
    cat "$answers"
}

# Which of the main window `$1` and the other program's window lies on top: "main" or
# "cover" (xwininfo lists the top-most first).
on_top() {
    xwininfo -root -children | awk -v main="$(printf '0x%x' "$1")" '
        $1 == main { print "main"; exit }
        /"xmessage"/ { print "cover"; exit }'
}

"$brindlex" > "$scratch/first.log" 2>&1 &
first=$!
window=$(wait_for_window) || fail "the first start shows no window: $(state "$scratch/first.log")"
before=$(listing)

# Another program's window over the whole screen.
xmessage -geometry 1280x1024+0+0 "another program" 2>/dev/null &
cover=$!
for _ in $(seq 200); do
    [ "$(on_top "$window")" = cover ] && break
    sleep 0.1
done
[ "$(on_top "$window")" = cover ] || fail "no window of another program covers the first"

# The second start, watched for any window of its own meanwhile. A start that waits for a
# person to answer a message is stopped.
timeout 30 "$brindlex" > "$scratch/second.log" 2>&1 &
second=$!
most=0
while kill -0 "$second" 2>/dev/null; do
    count=$(program_windows)
    [ "$count" -gt "$most" ] && most=$count
    sleep 0.05
done
wait "$second"
status=$?
[ "$status" -eq 0 ] || fail "the second start ended with status $status: $(cat "$scratch/second.log")"
[ "$most" -le 1 ] || fail "the second start showed a window of its own"
[ "$(main_windows | wc -l)" -eq 1 ] || fail "not exactly one main window"
kill -0 "$first" 2>/dev/null || fail "the first window has gone"
[ "$(listing)" = "$before" ] || fail "the second start changed the answers folder"
for _ in $(seq 200); do
    [ "$(on_top "$window")" = main ] && break
    sleep 0.1
done
[ "$(on_top "$window")" = main ] ||
    fail "the first window was not brought to the front: $(xwininfo -root -children)"
kill "$cover"
cover=""

# The first window goes on: Anthro Level, Tab past its help text to the slider, one step up
# and Enter for "Update", then Escape.
keys "$window" Down Down Tab Tab Up Return Escape
wait "$first"
status=$?
first=""
[ "$status" -eq 0 ] || fail "the first window ended with status $status"
grep -q '"anthroLevel":6,' "$answers" || fail "the first window's answer was not kept: $(cat "$answers")"
grep -q '"artLevel":5,' "$answers" || fail "the answers from before are gone: $(cat "$answers")"

# A window that is killed leaves nothing that keeps the next start out.
"$brindlex" > "$scratch/third.log" 2>&1 &
first=$!
wait_for_window > /dev/null ||
    fail "the third start shows no window: $(state "$scratch/third.log")"
kill -9 "$first"
wait "$first" 2>/dev/null
"$brindlex" > "$scratch/fourth.log" 2>&1 &
first=$!
window=$(wait_for_window) || fail "no window after the last one was killed: $(state "$scratch/fourth.log")"
keys "$window" Escape
wait "$first"
status=$?
first=""
[ "$status" -eq 0 ] || fail "the start after the killed window ended with status $status"
grep -q '"anthroLevel":6,' "$answers" || fail "the answers did not survive the killed window"
echo "one window per user: ok"
