#!/bin/sh
# Builds the Debian package into build-pkg/: a release build of the program, then cpack.
# Install it with: sudo apt install ./build-pkg/nova-driver_*.deb
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-pkg}
"$root/scripts/install-deps.sh"
BUILD_DIR=$build "$root/scripts/build.sh" -DCMAKE_BUILD_TYPE=Release -DDRIVER_BUILD_TESTS=OFF -DDRIVER_BUILD_BENCH=OFF
(cd "$build" && cpack -G DEB)
ls "$build"/nova-driver_*.deb
