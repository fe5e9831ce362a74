#!/bin/sh
# Starts the program with simulated keyboards in place of hidraw, for trying it without a
# keyboard. Starts its own Xvfb on :97 when DISPLAY is not set.
#   DRIVER_SIM_KEYBOARDS  what is plugged, "pid:ROWSxCOLS[:keymaptype]" comma-separated
#                         (default: the three shipped models)
#   BUILD_DIR             build folder (default build-sim/)
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-sim}
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DDRIVER_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target driver simkeyboard_preload
: "${DRIVER_SIM_KEYBOARDS:=0601:5x14:0,0602:5x15:0,0603:4x12:0}"
export DRIVER_SIM_KEYBOARDS
if [ -z "$DISPLAY" ]; then
    Xvfb :97 -screen 0 1600x1000x24 >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb 2>/dev/null' EXIT
    export DISPLAY=:97
    sleep 1
fi
cd "$build/run"
# The keyboards start with their layouts' own keymaps, as new ones do.
export DRIVER_SIM_CONFIG="$build/run/config"
LD_PRELOAD="$build/tests/sim/libsimkeyboard_preload.so" ./driver "$@"
