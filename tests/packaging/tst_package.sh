#!/bin/sh
# Builds the Debian package from this build folder, checks it with lintian, unpacks it into a
# temporary root, checks its desktop entry, metainfo and udev rule, and runs the installed launcher
# against a temporary XDG_DATA_HOME: first start, the command line without a display, an upgrade
# under a user's newer downloaded index, an upgrade with a newer shipped index, and two starts at
# once.
set -eu
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

(cd "$build" && cpack -G DEB -B "$work/pkg" >/dev/null)
deb=$(ls "$work"/pkg/nova-driver_*.deb)
dpkg-deb -x "$deb" "$work/root"
dpkg-deb -e "$deb" "$work/control"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for lib in libhidapi-hidraw0 libqt5widgets5 libqt5network5 qttranslations5-l10n; do
    echo "$depends" | grep -q "$lib" || fail "package does not depend on $lib"
done
grep -q "udevadm trigger --subsystem-match=hidraw" "$work/control/postinst" || fail "postinst does not trigger udev"

# Debian's own checker: no error and no warning.
lintian --fail-on error,warning "$deb" >"$work/lintian" 2>&1 || { cat "$work/lintian" >&2; fail "lintian complains"; }
[ -s "$work/root/usr/share/man/man1/nova-driver.1.gz" ] || fail "manual page not installed"

usr=$work/root/usr
desktop-file-validate "$usr/share/applications/com.example.NovaDriver.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/com.example.NovaDriver.metainfo.xml" >/dev/null
[ -f "$usr/lib/udev/rules.d/70-driver-keyboard.rules" ] || fail "udev rule not installed"
[ -f "$usr/share/icons/hicolor/scalable/apps/com.example.NovaDriver.svg" ] || fail "icon not installed"
[ -f "$usr/share/icons/hicolor/48x48/apps/com.example.NovaDriver.png" ] || fail "48 px icon not installed"
[ -x "$usr/lib/nova-driver/driver" ] || fail "program not installed"
shipped=$usr/share/nova-driver
[ -f "$shipped/Lang/Lang_Chinese.qm" ] || fail "translations not installed"

export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen
mkdir -m 700 "$work/runtime"
unset QT_LOGGING_RULES
data=$XDG_DATA_HOME/nova-driver
# The program keeps running until it is closed; 3 seconds alive means it started. Its debug lines
# (--verbose) tell what it read.
options=--verbose
start() {
    status=0
    timeout 3 "$usr/bin/nova-driver" $options >"$work/out" 2>&1 || status=$?
    [ "$status" = 124 ] || { cat "$work/out" >&2; fail "the program ended with status $status"; }
}
index_version() {
    grep -o '"priver": *[0-9]*' "$1" | grep -o '[0-9]*$'
}
set_version() {
    sed -i "s/\"priver\": *[0-9]*/\"priver\": $2/" "$1"
}

# First start: the folder is seeded and the program works in it.
start
cmp "$shipped/config/index.json" "$data/config/index.json" || fail "index not seeded"
cmp "$shipped/config/NOVA_0.json" "$data/config/NOVA_0.json" || fail "layout not seeded"
cmp "$shipped/Lang/Lang_Chinese.qm" "$data/Lang/Lang_Chinese.qm" || fail "translation not seeded"
grep -q "Local Keymap Index Json Version 1 0" "$work/out" || fail "the program did not read the seeded index"
# Without --verbose, the installed program and its window print nothing (but for the offscreen
# platform's own remark, which a real display does not make).
options= start
! grep -v "This plugin does not support propagateSizeHints()" "$work/out" >&2 ||
    fail "the program printed without being asked"

# The command line needs no display and reads the same data folder.
status=0
(unset DISPLAY QT_QPA_PLATFORM; "$usr/bin/nova-driver" --list >"$work/out" 2>&1) || status=$?
[ "$status" = 3 ] && grep -qx "driver: no keyboard is plugged in." "$work/out" ||
    { cat "$work/out" >&2; fail "--list without a keyboard ended with status $status"; }
# A relative --data-dir is where the user stands, not inside the data folder the program runs in.
(cd "$work" && env -u DISPLAY -u QT_QPA_PLATFORM "$usr/bin/nova-driver" --list --data-dir elsewhere >"$work/out" 2>&1) &&
    fail "--list with a missing data folder succeeded"
grep -q "$work/elsewhere/config/index.json" "$work/out" || { cat "$work/out" >&2; fail "relative --data-dir not taken from the current folder"; }
status=0
(cd "$work" && env -u DISPLAY -u QT_QPA_PLATFORM "$usr/bin/nova-driver" --backup kb.json >"$work/out" 2>&1) || status=$?
[ "$status" = 3 ] || { cat "$work/out" >&2; fail "--backup without a keyboard ended with status $status"; }
grep -q "no keyboard is plugged in" "$work/out" || fail "--backup did not say why"

# The online update brought a newer index (3.x) with a new layout and a changed one; the next
# package ships 2.x and a changed translation. The user's files stay, translations follow.
set_version "$data/config/index.json" 3
echo '{"rownum":1}' >"$data/config/NEW_0.json"
echo '{"rownum":2}' >"$data/config/NOVA_0.json"
set_version "$shipped/config/index.json" 2
echo "changed" >>"$shipped/Lang/Lang_Chinese.qm"
start
[ "$(index_version "$data/config/index.json")" = 3 ] || fail "newer local index replaced by an older shipped one"
grep -q '"rownum":2' "$data/config/NOVA_0.json" || fail "downloaded layout replaced"
[ -f "$data/config/NEW_0.json" ] || fail "downloaded layout removed"
cmp "$shipped/Lang/Lang_Chinese.qm" "$data/Lang/Lang_Chinese.qm" || fail "translations do not follow the program"

# A package with a newer index than the user's replaces the index and its layouts.
set_version "$shipped/config/index.json" 4
start
cmp "$shipped/config/index.json" "$data/config/index.json" || fail "newer shipped index not taken"
cmp "$shipped/config/NOVA_0.json" "$data/config/NOVA_0.json" || fail "layouts of the newer index not taken"
[ -f "$data/config/NEW_0.json" ] || fail "a file of the user was removed"

# Two starts at once on a fresh folder leave complete files.
rm -rf "$data"
set_version "$shipped/config/index.json" 5
(timeout 3 "$usr/bin/nova-driver" >/dev/null 2>&1 || true) &
(timeout 3 "$usr/bin/nova-driver" >/dev/null 2>&1 || true) &
wait
for f in index.json NOVA_0.json NOVA65_0.json; do
    cmp "$shipped/config/$f" "$data/config/$f" || fail "$f damaged by two starts at once"
done
# Docks group the program's windows with its launcher by their class.
wmclass=$(sed -n 's/^StartupWMClass=//p' "$usr/share/applications/com.example.NovaDriver.desktop")
# Xvfb picks a free display and writes its number once it takes clients.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
display=:$(cat "$work/display")
DISPLAY=$display QT_QPA_PLATFORM=xcb "$usr/bin/nova-driver" >/dev/null 2>&1 &
program=$!
status=0
DISPLAY=$display timeout 10 xdotool search --sync --class "^$wmclass\$" >/dev/null || status=$?
kill $program $xvfb 2>/dev/null
wait
[ -n "$wmclass" ] && [ "$status" = 0 ] || fail "no window of the desktop file's class '$wmclass'"
echo "package checks passed"
