#!/bin/sh
# Builds and runs the benchmarks (release build with the test libraries, which hold the
# simulated keyboard). Figures only: nothing here passes or fails.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench}
"$root/scripts/install-deps.sh"
BUILD_DIR=$build "$root/scripts/build.sh" -DCMAKE_BUILD_TYPE=Release
for bench in device/bench_framing device/bench_hidlink layout/bench_layout keymap/bench_keymap \
    keymap/bench_repaint keymap/bench_editing keymap/bench_live settings/bench_settings macro/bench_recorder tester/bench_tester app/bench_startup \
    app/bench_hotplug app/bench_session app/bench_exit; do
    echo "== $(basename "$bench")"
    (cd "$build/run" && QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='driver.*.debug=false' "$build/bench/$bench")
done

# Instruction counts do not depend on the machine's load: one layout load-and-build, and repaints
# averaged over a few.
if command -v valgrind >/dev/null 2>&1; then
    echo "== instruction counts (callgrind)"
    cd "$build/run"
    export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='driver.*.debug=false'
    count() {
        valgrind --tool=callgrind --callgrind-out-file=/dev/null --toggle-collect="$1" "$2" "$3" "$4" 2>&1 >/dev/null |
            sed -n 's/.*Collected : *\([0-9]*\).*/\1/p'
    }
    for which in shipped full; do
        echo "load + build 3 pannels ($which): $(count '*Measure*' "$build/bench/layout/bench_layout" 1 $which) instructions"
        total=$(count '*KeyPannelKeyCapClicked*' "$build/bench/keymap/bench_repaint" 20 $which)
        echo "one repaint ($which): $((total / 20)) instructions (mean of 20)"
    done
fi
