#!/usr/bin/env bash
# Builds the Debian package of one commit twice, from two clones in two
# folders of different names, and compares the two packages byte for byte.
# Says which files differ when they do. Takes two full builds of the game
# (three minutes on two cores: only what the package holds is built), so it
# is not part of ctest.
#
#   scripts/check-reproducible.sh [commit]     # HEAD when not given
#
# ZORBIK_KEEP=1 keeps the clones and packages in the folder it names.
set -euo pipefail
repo=$(git -C "$(dirname "$0")/.." rev-parse --show-toplevel)
commit=$(git -C "$repo" rev-parse --verify "${1:-HEAD}^{commit}")
work=$(mktemp -d "${TMPDIR:-/tmp}/zorbik-reproducible.XXXXXX")
[ "${ZORBIK_KEEP:-0}" = 1 ] || trap 'rm -rf "$work"' EXIT
jobs=${JOBS:-2}

# What the package holds, and nothing else: the tests are not built.
targets=(Game1 quiz zorbik zorbik_assets zorbik_icons zorbik_quiz_sounds zorbik_package_docs)

build() {
    local folder=$1
    git clone -q "$repo" "$folder/zorbik"
    git -C "$folder/zorbik" checkout -q --detach "$commit"
    cmake -S "$folder/zorbik" -B "$folder/zorbik/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >"$folder/configure.log"
    cmake --build "$folder/zorbik/build" -j "$jobs" --target "${targets[@]}" >"$folder/build.log"
    (cd "$folder" && cpack --config zorbik/build/CPackConfig.cmake -G DEB -B "$folder/package" >"$folder/cpack.log" 2>&1)
    ls "$folder"/package/zorbik_*.deb
}

started=$(date +%s)
echo "commit $commit, in $work"
first=$(build "$work/a")
second=$(build "$work/second-folder-of-another-length")
echo "built twice in $(($(date +%s) - started)) s"

if cmp -s "$first" "$second"; then
    echo "reproducible: ${first##*/} $(sha256sum <"$first" | cut -d' ' -f1)"
    exit 0
fi
echo "NOT reproducible: the two packages differ"
for deb in "$first" "$second"; do
    mkdir -p "$deb.x" && dpkg-deb -R "$deb" "$deb.x"
done
diff -rq "$first.x" "$second.x" || true
command -v diffoscope >/dev/null && diffoscope "$first" "$second" | head -n 100
exit 1
