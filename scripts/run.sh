#!/bin/sh
# Installs what is missing, builds, and starts the program in its run folder (build/run holds
# config/ and Lang/ beside the executable).
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" -DDRIVER_BUILD_TESTS=OFF -DDRIVER_BUILD_BENCH=OFF
cd "${BUILD_DIR:-$root/build}/run"
exec ./driver "$@"
