#!/usr/bin/env bash
# Lists the include graph of the product files (every .h and .cpp outside
# tests/ and bench/) and fails when two or more of them include each other,
# directly or round about. A header and its source count as one piece
# (x.h and x.cpp are "x"): x.cpp including y.h while y.cpp includes x.h is
# a cycle too. An include "x.h" is found beside the including file first,
# then from the top of the tree, as the compiler finds it.
#
#   scripts/check-include-cycles.sh [--list]
set -euo pipefail
cd "$(dirname "$0")/.."

edges=$(mktemp)
trap 'rm -f "$edges"' EXIT
git ls-files '*.h' '*.cpp' | grep -vE '^(tests|bench)/' | while read -r file; do
    dir=$(dirname "$file")
    # Every file stands in the graph, also one that includes nothing.
    piece=${file%.*}
    echo "$piece $piece"
    sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file" | while read -r inc; do
        if [ -f "$dir/$inc" ]; then
            target=$(realpath --relative-to=. "$dir/$inc")
        elif [ -f "$inc" ]; then
            target=$inc
        else
            continue
        fi
        [ "${target%.*}" = "$piece" ] || echo "$piece ${target%.*}"
    done
done >"$edges"

if [ "${1:-}" = --list ]; then
    awk '$1 != $2' "$edges"
fi
# tsort names the files of every loop it meets on standard error.
if ! loops=$(tsort "$edges" 2>&1 >/dev/null) || [ -n "$loops" ]; then
    echo "Files that include each other:"
    grep -v 'input contains a loop' <<<"$loops" | sed 's/^tsort: /    /'
    exit 1
fi
echo "include graph: $(awk '$1 != $2' "$edges" | sort -u | wc -l) includes among $(cut -d' ' -f1 "$edges" | sort -u | wc -l) pieces, no cycle"
