#!/bin/sh
# Installs what is missing, builds and runs the whole test suite with ctest; then, unless
# QUICK=1, runs it again under AddressSanitizer + UndefinedBehaviorSanitizer and under
# ThreadSanitizer, each in its own build folder, and gives every fuzz harness a short run after
# replaying its saved findings.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
jobs=$(nproc)

run_suite() {
    build=$1
    shift
    BUILD_DIR=$build "$root/scripts/build.sh" -DDRIVER_WERROR=ON "$@"
    (cd "$build" && ctest --output-on-failure -j "$jobs")
}

echo "== Test suite"
# Line tables are enough for a failing test's backtrace, and build far faster than full debug info.
run_suite "$root/build-test" -DCMAKE_BUILD_TYPE=RelWithDebInfo "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG"
if [ "${QUICK:-0}" != 1 ]; then
    echo "== Test suite under AddressSanitizer and UndefinedBehaviorSanitizer"
    run_suite "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug -DDRIVER_SANITIZE=address -DDRIVER_BUILD_BENCH=OFF
    echo "== Test suite under ThreadSanitizer"
    run_suite "$root/build-tsan" -DCMAKE_BUILD_TYPE=Debug -DDRIVER_SANITIZE=thread -DDRIVER_BUILD_BENCH=OFF
    echo "== Fuzz harnesses, short runs"
    RUNS=${FUZZ_RUNS:-10000} "$root/scripts/fuzz.sh"
fi
