#!/bin/sh
# brindlex-line-digest gives the same digests on every run and with any number of jobs, tells
# seeds apart, and its dump holds what the core makes of the known lines that open a chunk.
#   line_digest_test.sh TOOL
set -u
tool=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
failures=0
fail() {
    echo "FAIL: $1" >&2
    failures=$((failures + 1))
}
# has FILE TEXT: the file holds TEXT as a whole line.
has() {
    grep -qxF -- "$2" "$1" || fail "$1 lacks: $2"
}

"$tool" --count 3000 --chunk 1000 >"$dir/first" 2>/dev/null || fail "the first run failed"
"$tool" --count 3000 --chunk 1000 --jobs 2 >"$dir/second" 2>/dev/null || fail "the second run failed"
cmp -s "$dir/first" "$dir/second" || fail "two runs of the same lines give different digests"
[ "$(grep -c '^chunk ' "$dir/first")" -eq 3 ] || fail "not one digest per chunk"
grep -q '^total 3000 lines seed 1 chunk 1000 digest [0-9a-f]\{16\}$' "$dir/first" ||
    fail "no total digest"
grep -q '^counts lines 3000 accepted [1-9]' "$dir/first" || fail "no counts"
"$tool" --count 3000 --chunk 1000 --seed 2 >"$dir/seed2" 2>/dev/null
[ "$(grep '^total' "$dir/seed2" | cut -d' ' -f9)" != "$(grep '^total' "$dir/first" | cut -d' ' -f9)" ] ||
    fail "another seed gives the same digest"

"$tool" --chunk 1000 --lines 1 >"$dir/lines"
[ "$(grep -c '^line 1[0-9][0-9][0-9] digest [0-9a-f]\{16\}$' "$dir/lines")" -eq 1000 ] ||
    fail "not one digest per line of the chunk"

# The known lines that open chunk 1.
"$tool" --chunk 1000 --dump 1000 1040 >"$dir/dump"
worked='2.0FCf5mw V+++ M# Dm++ H# I# P# R# T# L# Ym Wtc/ar O25 Cwl+ Gr- E# F# B# Nf+++ J# A# Sm#'
sed -n '/^#1001 /,/^#1002 /p' "$dir/dump" >"$dir/worked"
has "$dir/worked" "text \"$worked\""
has "$dir/worked" "accepted"
has "$dir/worked" "normal \"$worked\""
has "$dir/worked" "reread same"
has "$dir/worked" ' 14 "Age"="25 years" @51+3'
grep -q '^record {"speciesFamily":3,"speciesIndex":4,.*"age":25,' "$dir/worked" ||
    fail "the worked example's record"
grep -q '^repair' "$dir/worked" && fail "a repair in a line as the writer writes it"
sed -n '/^#1002 /,/^#1003 /p' "$dir/dump" >"$dir/nine"
has "$dir/nine" 'repair "byte 7, Anthro Level: \x229\x22 rewritten as \x227\x22"'
has "$dir/nine" 'normal "2.0FCf7mw V+++ M# D# H# I# P# R# T# L# Yp# W# O# C# G# E# F# B# N# J# A# S##"'
sed -n '/^#1003 /,/^#1004 /p' "$dir/dump" >"$dir/empty"
has "$dir/empty" 'rejected'
has "$dir/empty" 'reason "does not begin with 2.0F"'
has "$dir/empty" 'trace'
sed -n '/^#1006 /,/^#1007 /p' "$dir/dump" >"$dir/family"
has "$dir/family" "reason \"unknown family code '~'\""

# Every thirty-second line carries a post, and the finder finds the worked example in one of
# the first posts of the chunks.
[ "$(grep -c '^post ' "$dir/dump")" -eq 1 ] || fail "not one post in 41 lines"
for at in 31 1031 2031; do "$tool" --chunk 1000 --dump $at; done >"$dir/posts"
grep -qF "found" "$dir/posts" && grep -q "^found [0-9]* \"$worked\" " "$dir/posts" ||
    fail "the finder did not find the worked example"

# A dump of a few lines writes what a dump from the chunk's start wrote of them.
"$tool" --chunk 1000 --dump 1030 1040 >"$dir/tail"
sed -n '/^#1030 /,$p' "$dir/dump" | cmp -s - "$dir/tail" || fail "a dump from the middle differs"

if [ "$failures" -ne 0 ]; then
    echo "$failures failed" >&2
    exit 1
fi
echo "line digest: all checks passed"
