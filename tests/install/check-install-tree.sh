#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build (argument 1) into a fresh temporary prefix and checks what
# a desktop needs there: both programs answering --version at once without a
# display and stating the licence, the command line drawing through its
# installed module, the desktop entry and the metainfo valid and naming the same
# id and no other, the icon in every size, the machine-readable copyright file,
# and readable manual pages.
set -euo pipefail
build=$1 id=$2 version=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for program in parlomatic parlomatic-cli; do
    [ -x "$prefix/bin/$program" ] || fail "$program is not installed"
    answer=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= timeout 10 "$prefix/bin/$program" --version) ||
        fail "$program --version did not answer"
    [ "$(head -n 1 <<<"$answer")" = "$program $version" ] || fail "$program --version said: $answer"
    grep -q '^License GPL-3.0-or-later: ' <<<"$answer" || fail "$program --version does not state the licence"
done
# The command line loads Qt Gui only to draw, from the module installed with it.
if readelf -d "$prefix/bin/parlomatic-cli" | grep -q 'NEEDED.*libQt6Gui'; then fail "parlomatic-cli loads Qt Gui at every start"; fi
# Neither program loads Qt Multimedia at its start; Listen's player is a module installed with them.
for program in parlomatic parlomatic-cli; do
    if readelf -d "$prefix/bin/$program" | grep -q 'NEEDED.*libQt6Multimedia'; then
        fail "$program loads Qt Multimedia at every start"
    fi
done
readelf -d "$prefix"/lib*/parlomatic/parlomatic-player.so | grep -q 'NEEDED.*libQt6Multimedia' ||
    fail "the player module is not installed"
printf '[Engine.Input]\nF5=\n' >"$prefix/kvuser.ini"
env -u DISPLAY -u WAYLAND_DISPLAY timeout 20 "$prefix/bin/parlomatic-cli" --profile "$prefix/kvuser.ini" keymap \
    --png "$prefix/keymap.png" >/dev/null || fail "the installed parlomatic-cli cannot draw the keyboard map"
[ "$(head -c 4 "$prefix/keymap.png" | tail -c 3)" = PNG ] || fail "the keyboard map is no PNG picture"
env -u DISPLAY -u WAYLAND_DISPLAY timeout 10 "$prefix/bin/parlomatic" --help | grep -q '^Usage: parlomatic \[options\] \[PROFILE\]' ||
    fail "parlomatic --help does not name PROFILE"
env -u DISPLAY -u WAYLAND_DISPLAY timeout 10 "$prefix/bin/parlomatic-cli" --help | grep -q 'speaks English in every language' ||
    fail "parlomatic-cli --help does not say that it speaks English"
# An unknown language is refused with the list of those the windows speak, before any window opens.
refusal=$(QT_QPA_PLATFORM=offscreen timeout 10 "$prefix/bin/parlomatic" --lang xx 2>&1 >/dev/null) &&
    fail "parlomatic --lang xx started"
grep -q 'give one of en, de, fr, es, pl, ru, pt_BR' <<<"$refusal" || fail "parlomatic --lang xx said: $refusal"

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
[ -f "$desktop" ] || fail "no desktop entry $id.desktop"
grep -qx 'Exec=parlomatic %f' "$desktop" || fail "the desktop entry does not pass the file"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry names another icon"
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo names another id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo launches another id"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo" || fail "metainfo names another licence"
# Nothing is left installed under an earlier id.
[ "$(ls "$prefix/share/applications")" = "$id.desktop" ] || fail "other desktop entries: $(ls "$prefix/share/applications")"
[ "$(ls "$prefix/share/metainfo")" = "$id.metainfo.xml" ] || fail "other metainfo: $(ls "$prefix/share/metainfo")"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo lacks release $version"
if command -v desktop-file-validate >/dev/null; then desktop-file-validate "$desktop"; fi
if command -v appstreamcli >/dev/null; then appstreamcli validate --no-net --pedantic "$metainfo" >/dev/null; fi

icons=$prefix/share/icons/hicolor
[ -f "$icons/scalable/apps/$id.svg" ] || fail "no scalable icon"
for size in 16 32 48 64 128 256; do
    icon=$icons/${size}x${size}/apps/$id.png
    [ -f "$icon" ] || fail "no $size px icon"
    # The PNG header holds width and height at bytes 16 to 23.
    [ "$(od -An -tu4 --endian=big -j16 -N8 "$icon" | tr -s ' ' | sed 's/^ //')" = "$size $size" ] ||
        fail "the $size px icon has another size"
done

copyright=$prefix/share/doc/parlomatic/copyright
grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$copyright" ||
    fail "the copyright file is not machine-readable"
grep -qx 'License: GPL-3+' "$copyright" || fail "the copyright file names another licence"

for page in parlomatic parlomatic-cli; do
    file=$prefix/share/man/man1/$page.1.gz
    [ -f "$file" ] || fail "no manual page for $page"
    warnings=$(zcat "$file" | groff -man -Tutf8 -ww -z 2>&1)
    [ -z "$warnings" ] || fail "manual page $page: $warnings"
done
echo "install tree: ok"
