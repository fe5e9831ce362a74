#!/bin/sh
# Configures and builds into BUILD_DIR (default build/); extra arguments go to cmake.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -G Ninja "$@" >/dev/null
cmake --build "$build"
