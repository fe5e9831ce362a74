#!/bin/sh
# Walks the program's accessibility tree page by page, as a screen reader sees it, with a
# simulated keyboard, and fails when an interactive node has no name. Brings up its own Xvfb,
# session bus and accessibility bus, so it runs headless, as root or as a normal user.
#   BUILD_DIR      build folder (default build-sim/); a copied folder without build.ninja is
#                  used as it is, without building
#   A11Y_DISPLAYS  X display numbers to try (default "91 92 93 94 95 96")
#   A11Y_KEEP      set to keep the temporary folder with the logs
# Exit status: 0 every page walked and nothing unnamed, 1 unnamed nodes, 2 setup failed,
# 3 the program never reached the accessibility bus.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-sim}
# The program runs from its run folder, so the preload's path must not be relative.
case $build in /*) ;; *) build=$PWD/$build ;; esac
walk="/usr/bin/python3 $root/scripts/a11y_walk.py"

die() { echo "a11y-walk: $*" >&2; exit 2; }
for tool in Xvfb xdpyinfo xprop xdotool dbus-daemon dbus-send /usr/libexec/at-spi-bus-launcher /usr/libexec/at-spi2-registryd; do
    command -v "$tool" >/dev/null || die "$tool is missing (apt-get install xvfb x11-utils xdotool dbus at-spi2-core python3-pyatspi)"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || die "/usr/bin/python3 has no pyatspi (apt-get install python3-pyatspi)"

if [ -f "$build/build.ninja" ] || [ ! -x "$build/run/driver" ]; then
    "$root/scripts/install-deps.sh"
    cmake -S "$root" -B "$build" -G Ninja -DDRIVER_BUILD_BENCH=OFF >/dev/null
    # One job unless told otherwise: this is usually run beside other builds.
    cmake --build "$build" --target driver simkeyboard_preload -j "${CMAKE_BUILD_PARALLEL_LEVEL:-1}"
fi

tmp=$(mktemp -d /tmp/a11y-walk.XXXXXX)
pids=""
cleanup() {
    status=$?
    # Newest first: the program, then the buses it talks to, then the X server.
    for pid in $pids; do kill "$pid" 2>/dev/null || true; done
    for pid in $pids; do wait "$pid" 2>/dev/null || true; done
    if [ -n "$A11Y_KEEP" ]; then
        echo "a11y-walk: logs kept in $tmp" >&2
    else
        rm -rf "$tmp"
        [ "$status" -le 1 ] || echo "a11y-walk: run with A11Y_KEEP=1 to keep the logs" >&2
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
started() { pids="$1 $pids"; }

# Polls a condition instead of sleeping blindly: each daemon tells when it is ready.
wait_for() {
    what=$1; shift
    i=0
    until "$@" >/dev/null 2>&1; do
        i=$((i + 1))
        [ $i -le 100 ] || die "$what not ready after 10 s"
        sleep 0.1
    done
}

# Our own X server. -noreset matters: by default Xvfb resets when its last client leaves, and
# that wipes the AT_SPI_BUS property the bus launcher leaves on the root window after it
# disconnects, which is what lets Qt find the accessibility bus in time.
display=""
for n in ${A11Y_DISPLAYS:-91 92 93 94 95 96}; do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -noreset -nolisten tcp -screen 0 1600x1000x24 >"$tmp/xvfb.log" 2>&1 &
    xvfb=$!
    i=0
    while kill -0 $xvfb 2>/dev/null && ! xdpyinfo -display ":$n" >/dev/null 2>&1 && [ $i -lt 100 ]; do
        i=$((i + 1)); sleep 0.1
    done
    if xdpyinfo -display ":$n" >/dev/null 2>&1; then started $xvfb; display=":$n"; break; fi
    kill $xvfb 2>/dev/null || true
done
[ -n "$display" ] || die "no free X display among ${A11Y_DISPLAYS:-91 92 93 94 95 96}"
export DISPLAY="$display"
unset WAYLAND_DISPLAY AT_SPI_BUS_ADDRESS NO_AT_BRIDGE
# A private runtime folder: the accessibility bus socket goes there, away from a desktop
# session's own, and goes away with it.
export XDG_RUNTIME_DIR="$tmp/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Keeps the launcher's IsEnabled switch from being written to the user's real settings.
export GSETTINGS_BACKEND=memory

# Our own session bus. It prints its address once it listens; kept as our child so that it
# is reaped when it ends.
dbus-daemon --session --nofork --print-address=1 >"$tmp/bus" 2>"$tmp/bus.log" &
started $!
wait_for "the session bus" test -s "$tmp/bus"
DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p "$tmp/bus")
export DBUS_SESSION_BUS_ADDRESS

# The bus launcher before the program: Qt 5.15 connects to the accessibility bus in time only
# through the root window's AT_SPI_BUS, which the launcher sets when it starts the bus. If it
# finds org.a11y.Bus on the session bus without that property, it registers on a connection
# that is not made yet and never shows up.
/usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 >"$tmp/launcher.log" 2>&1 &
started $!
has_atom() { xprop -root AT_SPI_BUS | grep -q STRING; }
wait_for "the accessibility bus (AT_SPI_BUS on the root window)" has_atom
AT_SPI_BUS_ADDRESS=$(xprop -root AT_SPI_BUS | sed -n 's/.*= "\(.*\)"$/\1/p')
export AT_SPI_BUS_ADDRESS
wait_for "org.a11y.Bus on the session bus" sh -c 'dbus-send --session --print-reply --dest=org.freedesktop.DBus \
    /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q true'
# The registry up before the program, so that Qt's registration finds it at once rather than
# waiting for the accessibility bus to start it on demand.
/usr/libexec/at-spi2-registryd >"$tmp/registry.log" 2>&1 &
started $!
wait_for "the accessibility registry" sh -c 'dbus-send --bus="$AT_SPI_BUS_ADDRESS" --print-reply \
    --dest=org.freedesktop.DBus /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner \
    string:org.a11y.atspi.Registry | grep -q true'
# Accessibility switched on, as a screen reader does (--a11y=1 does it at start too). Qt reads
# this switch only when it finds the bus through the session bus rather than the root window.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
    string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null

cd "$build/run"
QT_QPA_PLATFORM=xcb QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    QT_LOGGING_RULES="qt.accessibility.atspi*=true" \
    DRIVER_SIM_KEYBOARDS=0602:5x15:0 DRIVER_SIM_CONFIG="$build/run/config" \
    LD_PRELOAD="$build/tests/sim/libsimkeyboard_preload.so" ./driver >"$tmp/driver.log" 2>&1 &
app=$!
started $app
if ! $walk --pid $app --timeout 30 wait; then
    if kill -0 $app 2>/dev/null; then
        echo "a11y-walk: the program never appeared on the accessibility bus. Its accessibility log:" >&2
        grep -i "accessib\|dbus" "$tmp/driver.log" >&2 || echo "  (nothing)" >&2
    else
        code=0
        wait $app || code=$?
        echo "a11y-walk: the program quit (status $code) before reaching the accessibility bus:" >&2
        tail -n 20 "$tmp/driver.log" >&2
    fi
    exit 3
fi
status=0
$walk --pid $app open "device manager" || status=$?
[ $status -le 1 ] || die "could not open the keyboard's main window"
for page in "keymap page:Keymap Setting" "settings page:Keyboard Setting" "macro page:Macro Setting" \
    "about page:About Us" "tester page:Key Test"; do
    $walk --pid $app page "${page%%:*}" "${page#*:}" || status=$?
    [ $status -le 1 ] || die "walking the ${page%%:*} failed"
done
kill -0 $app 2>/dev/null || die "the program quit during the walk"
[ $status -eq 0 ] && echo "a11y-walk: every page walked, no unnamed interactive node"
exit $status
