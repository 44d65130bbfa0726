#!/bin/sh
# Shows that two builds give the same bytes on every reading path: runs the old build's
# brindlex-line-digest once and the new build's once per path of BRINDLEX_READ_PATH, and tells
# for every chunk whether all four digests agree. Exits 1 when any chunk differs.
#   compare_paths.sh OLD_TOOL NEW_TOOL COUNT [tool options: --seed S --chunk SIZE --jobs J]
# READ_PATHS names fewer paths ("general wide"); the old build runs once, without the variable.
# A chunk that differs is found line by line with `--lines CHUNK` and diffed with `--dump`.
set -eu
if [ $# -lt 3 ]; then
    echo "usage: compare_paths.sh OLD_TOOL NEW_TOOL COUNT [--seed S] [--chunk SIZE] [--jobs J]" >&2
    exit 2
fi
old=$1
new=$2
count=$3
shift 3
paths=${READ_PATHS:-general portable wide}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# A run that fails leaves its digests short, and the chunks it did not reach differ.
echo "old: $old" >&2
"$old" --count "$count" "$@" >"$dir/old" || echo "the old build failed (exit $?)" >&2
for path in $paths; do
    echo "new, BRINDLEX_READ_PATH=$path: $new" >&2
    BRINDLEX_READ_PATH=$path "$new" --count "$count" "$@" >"$dir/$path" ||
        echo "the new build failed on $path (exit $?)" >&2
done

# Every run prints the same lines in the same order: chunk digests, the total, the counts.
set -- "$dir/old"
for path in $paths; do set -- "$@" "$dir/$path"; done
paste -d '\t' "$@" | awk -F '\t' -v paths="$paths" '
    BEGIN { n = split(paths, name, " ") }
    {
        differ = ""
        for (i = 1; i <= n; ++i) if ($(i + 1) != $1) differ = differ " " name[i]
        split($1, word, " ")
        if (word[1] == "counts") {
            label = "counts"
        } else if (word[1] == "total") {
            label = "total of " word[2] " lines"
        } else {
            label = "chunk " word[2] " (lines " word[4] ")"
        }
        if (differ == "") {
            print label ": equal, " (word[1] == "counts" ? $1 : word[length(word)])
        } else {
            print label ": DIFFERENT on" differ
            print "  old: " $1
            for (i = 1; i <= n; ++i) print "  " name[i] ": " $(i + 1)
            bad = 1
        }
    }
    END { exit bad }'
