#!/bin/bash
# The Debian package and the installed desktop files, checked as a packager
# and a software centre would: the package is built with cpack from the build
# folder, its file list, permissions and dependencies are read with dpkg-deb,
# lintian (every tag shown) must find no error, warning or hardening tag, and
# the desktop entry, the icons, the software-centre description and the
# manual page are checked where `cmake --install` puts them.
#
#   package_test.sh <build folder>
set -u
build=${1:?usage: package_test.sh <build folder>}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# ---- the package
timeout 600 cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/pkg" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; echo "FAIL: cpack"; exit 1; }
debs=("$work"/pkg/zorbik_*.deb)
[ -f "${debs[0]}" ] || { echo "FAIL: no package made"; exit 1; }
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
dpkg-deb -c "$deb" >"$work/list"
paths=$(awk '{print $6}' "$work/list" | sed 's|^\./|/|; s|/$||')

app=org.zorbik.Maze
# The suite's languages besides English, as the build lists them.
languages=()
[ -f "$build/languages" ] && mapfile -t languages <"$build/languages"
[ ${#languages[@]} -gt 0 ] || fail "the build lists no languages"
expected=(/usr/bin/zorbik /usr/lib/zorbik/Maze/Game1 /usr/lib/zorbik/Quiz/quiz
          /usr/share/applications/$app.desktop /usr/share/metainfo/$app.metainfo.xml
          /usr/share/man/man6/zorbik.6.gz /usr/share/doc/zorbik/copyright /usr/share/doc/zorbik/changelog.gz)
for size in 16 32 48 64 128 256; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$app.png")
done
for name in Road Brick Enter Exit Door Gold Money Diamond Torch FirstAid Hare Wolf Fox Bear Me Outside happy_face; do
    expected+=("/usr/lib/zorbik/Maze/Images/$name.bmp")
done
for name in GAME21_SS01.WAV LockDoor.wav Doorbell.wav Door.wav SF023_SS01.WAV Be_eaten.wav Moved.wav; do
    expected+=("/usr/lib/zorbik/Maze/Sounds/$name")
done
for language in "${languages[@]}"; do
    expected+=("/usr/lib/zorbik/translations/zorbik_$language.qm")
done
for sound in "$build"/suite/Quiz/Sounds/*.wav "$build"/suite/Quiz/Sounds/*.WAV; do
    [ -f "$sound" ] && expected+=("/usr/lib/zorbik/Quiz/Sounds/${sound##*/}")
done
for path in "${expected[@]}"; do
    grep -qxF "$path" <<<"$paths" || fail "package lacks $path"
done
# Nothing from the build folder's own playing (table, name, verdict) and no
# test program, bench or asset maker.
unwanted=$(grep -E '\.(hrs|nam|ret|stamp)$|_tests$|fake_quiz|bench_|make_assets|/usr/local' <<<"$paths")
[ -z "$unwanted" ] || fail "package holds" $unwanted
# Owned by root; programs 0755, everything else 0644, folders 0755.
awk '$2 != "root/root" ||
     ($1 !~ /^(-rwxr-xr-x|-rw-r--r--|drwxr-xr-x)$/) ||
     ($1 == "-rwxr-xr-x" && $6 !~ /(bin\/zorbik|Maze\/Game1|Quiz\/quiz|zorbik-class-writer)$/)' "$work/list" |
    grep . && fail "files with unexpected owner or permissions (above)"

# The class writer is packaged plain; the postinst gives it its group and
# set-group-ID bit through dpkg-statoverride (so the package needs no group
# of its own at build time), and the writer links no Qt.
grep -qxF /usr/lib/zorbik/zorbik-class-writer <<<"$paths" || fail "package lacks the class writer"
dpkg-deb --ctrl-tarfile "$deb" | tar -xO ./postinst | grep -q 'dpkg-statoverride --update --add root zorbik 2755' ||
    fail "postinst does not make the class writer set-group-ID"

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 qt6-qpa-plugins qt6-translations-l10n fonts-liberation; do
    grep -qE "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
done

# Stripped programs without a run path.
dpkg-deb -x "$deb" "$work/root"
for program in usr/bin/zorbik usr/lib/zorbik/Maze/Game1 usr/lib/zorbik/Quiz/quiz usr/lib/zorbik/zorbik-class-writer; do
    file -b "$work/root/$program" | grep -q ', stripped' || fail "$program is not stripped"
    readelf -d "$work/root/$program" | grep -qE 'RPATH|RUNPATH' && fail "$program carries a run path"
done
readelf -d "$work/root/usr/lib/zorbik/zorbik-class-writer" | grep -q 'libQt' && fail "the class writer links Qt"

# The package's game has no test driver: the word that would wake it is not
# in the program, and a game started with it set says nothing on its output.
grep -qa ZORBIK_TEST_DRIVER "$work/root/usr/lib/zorbik/Maze/Game1" && fail "the package's game holds the test driver"
said=$(echo dump | ZORBIK_TEST_DRIVER=1 ZORBIK_NO_AUDIO=1 QT_QPA_PLATFORM=offscreen HOME="$work" \
       timeout 10 "$work/root/usr/lib/zorbik/Maze/Game1" 2>/dev/null)
[ -z "$said" ] || fail "the package's game answers the test driver: $said"

# lintian, with every tag shown, fails on errors (E:) and when it cannot run;
# warnings and the hardening tags fail too.
timeout 300 lintian -EvIL +pedantic "$deb" >"$work/lintian" 2>&1 || { grep -v '^N:' "$work/lintian"; fail "lintian"; }
grep -E '^W: |^I: [^ ]+ hardening-' "$work/lintian" && fail "lintian warnings or hardening tags (above)"

# One changelog: the package's Debian changelog is the repository's, and the
# software centre's newest release is its newest entry.
source_dir=$(sed -n 's/^CMAKE_HOME_DIRECTORY:INTERNAL=//p' "$build/CMakeCache.txt")
zcat "$work/root/usr/share/doc/zorbik/changelog.gz" | cmp -s - "$source_dir/packaging/changelog" ||
    fail "the packaged changelog is not packaging/changelog"

# ---- the installed desktop files
DESTDIR="$work/dest" timeout 300 cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "cmake --install"; }
share=$work/dest/usr/share
[ -x "$work/dest/usr/bin/zorbik" ] || fail "cmake --install puts no launcher in bin"

desktop=$share/applications/$app.desktop
out=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $out"
grep -vE ': hint: ' <<<"$out" | grep . && fail "desktop entry warnings (above)"
grep -qxE 'Categories=(.*;)?Education;(.*;)?' "$desktop" && grep -qxE 'Categories=(.*;)?Game;(.*;)?' "$desktop" ||
    fail "desktop entry not in Education and Game"
# The entry names the installed program and icon; the description names the
# entry and carries this version.
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
grep -qxF "/usr/bin/$exec_name" <<<"$paths" || fail "Exec=$exec_name is not the packaged launcher"
icon=$(sed -n 's/^Icon=//p' "$desktop")
metainfo=$share/metainfo/$app.metainfo.xml
out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
grep -qF "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo" || fail "metainfo launches another entry"
grep -qF "<icon type=\"stock\">$icon</icon>" "$metainfo" || fail "metainfo names another icon than $icon"
# Every shipped language names and describes the game.
for language in "${languages[@]}"; do
    for key in Name GenericName Comment Keywords; do
        grep -q "^$key\[$language\]=." "$desktop" || fail "desktop entry lacks $key[$language]"
    done
    for element in name summary p li; do
        grep -q "<$element xml:lang=\"$language\">" "$metainfo" || fail "metainfo lacks <$element> in $language"
    done
done
newest=$(sed -n 's/^ -- .*  \(.*\)$/\1/p' "$source_dir/packaging/changelog" | head -n 1)
grep -m 1 '<release ' "$metainfo" | grep -qF "<release version=\"$version\" date=\"$(date -u -d "$newest" +%F)\"" ||
    fail "metainfo's newest release is not $version of $newest"

# Icons: PNG with transparency at the size of their folder, clear corners.
for size in 16 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/$icon.png
    file -b "$png" | grep -q "PNG image data, $size x $size, 8-bit/color RGBA" || fail "icon $size: $(file -b "$png")"
    [ "$(convert "$png" -format '%[fx:p{0,0}.a]' info: 2>&1)" = 0 ] || fail "icon $size has an opaque corner"
    [ "$(convert "$png" -format '%[fx:p{w/2,h/2}.a]' info: 2>&1)" = 1 ] || fail "icon $size is empty in the middle"
done

# Manual page: section 6, renders without complaint and carries this version.
man6=$share/man/man6/zorbik.6.gz
gzip -t "$man6" || fail "manual page is not gzip"
zcat "$man6" | grep -qE "^\.TH ZORBIK 6 .*$version" || fail "manual page header lacks section 6 or version $version"
out=$(MANWIDTH=80 man --warnings -l "$man6" 2>&1 >/dev/null) && [ -z "$out" ] || fail "man: $out"
# ... and documents every option the installed launcher offers.
options=$(QT_QPA_PLATFORM=offscreen timeout 30 "$work/dest/usr/bin/zorbik" --help | grep -oE '^ +(-[a-z], )?--[a-z-]+' |
    grep -oE -- '--[a-z-]+' | grep -vx -- --help-all)
[ -n "$options" ] || fail "zorbik --help lists no options"
for option in $options; do
    zcat "$man6" | grep -qF -- "${option//-/\\-}" || fail "manual page lacks $option"
done

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "package ${deb##*/}: contents, dependencies, lintian, desktop entry, metainfo, icons and manual page fine"
