#!/bin/sh
# Builds and runs the benchmarks (release build with the test libraries, which hold the
# simulated keyboard). Figures only: nothing here passes or fails.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench}
"$root/scripts/install-deps.sh"
BUILD_DIR=$build "$root/scripts/build.sh" -DCMAKE_BUILD_TYPE=Release
for bench in "$build"/bench/*/bench_*; do
    [ -x "$bench" ] || continue
    echo "== $(basename "$bench")"
    (cd "$build/run" && QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='driver.*.debug=false' "$bench")
done
