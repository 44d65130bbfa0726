#!/bin/sh
# Runs a command on an X server of its own, of 1280x1024 pixels. The server picks a display
# number that no other server holds (-displayfd), so that tests started together or one
# right after the other never share a display, and it has gone, its socket and lock file
# removed, before this ends. It keeps running when its last client leaves (-noreset): a
# server that resets then refuses, for a moment, the program started next.
# Usage: own_display.sh COMMAND [ARGUMENT...]
set -u
scratch=$(mktemp -d)
server=""
cleanup() {
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null
        wait "$server" 2>/dev/null
    fi
    rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$scratch/display" \
    >"$scratch/server.log" 2>&1 &
server=$!
# The server writes its display number once it takes connections.
for _ in $(seq 300); do
    [ -s "$scratch/display" ] && break
    if ! kill -0 "$server" 2>/dev/null; then
        server=""
        echo "the X server did not start: $(cat "$scratch/server.log")" >&2
        exit 1
    fi
    sleep 0.1
done
number=$(head -n 1 "$scratch/display")
[ -n "$number" ] || {
    echo "the X server gave no display number in 30 seconds" >&2
    exit 1
}
DISPLAY=":$number" "$@"
status=$?
if ! kill -0 "$server" 2>/dev/null; then
    server=""
    echo "the X server on :$number ended before the command did: $(cat "$scratch/server.log")" >&2
    [ "$status" -ne 0 ] || status=1
fi
exit "$status"
