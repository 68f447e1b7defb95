#!/usr/bin/env bash
# Fails when a text a player, pupil or teacher sees is not translated in
# every language: lupdate, run on the sources into copies of the .ts files,
# finds a text they do not hold yet; a .ts file holds an unfinished or
# obsolete entry; or a literal in the sources bypasses translation.
# Usage: check_translations.sh SOURCE_DIR LUPDATE
set -euo pipefail
source_dir=$1
lupdate=$2
cd "$source_dir"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in translations/zorbik_*.ts; do
    cp "$ts" "$work/"
    copy="$work/$(basename "$ts")"
    "$lupdate" -locations none -extensions cpp,h app common desktop launcher outside play quiz view world \
        -ts "$copy" >"$work/lupdate.log" 2>&1
    if ! grep -q '(0 new and' "$work/lupdate.log"; then
        echo "$ts: texts missing; run: cmake --build build --target update_translations"
        grep 'Found' "$work/lupdate.log"
        status=1
    fi
    if grep -E -q 'type="(unfinished|vanished|obsolete)"' "$copy"; then
        echo "$ts: unfinished or obsolete entries:"
        grep -E -B3 'type="(unfinished|vanished|obsolete)"' "$copy" | grep '<source>' | head -20
        status=1
    fi
done
python3 "$source_dir/tests/translations/untranslated_literals.py" "$source_dir" || status=1
exit $status
