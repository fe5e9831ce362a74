#!/bin/sh
# Builds the libFuzzer harnesses (fuzz/) with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# into build-fuzz/ and runs each of them:
#   1. every saved finding under fuzz/regressions/<harness>/, once;
#   2. RUNS inputs (default 10 million) grown from the seeds in fuzz/corpus/<harness>/ and, for the
#      layout and index readers, the shipped config/ files. fuzz_layout_panels, which builds widgets,
#      gets a hundredth of them;
#   3. LEAK_RUNS inputs (default RUNS / 100) with leak checking after each input. Leak checking needs
#      full stacks to tell Qt's own leaks (fuzz/lsan.supp) from ours, which is slow, so step 2 runs
#      without it.
# A finding stops the script; its input is left in build-fuzz/findings/. Add it to
# fuzz/regressions/<harness>/ once mended.
#   RUNS=10000 ./scripts/fuzz.sh            a short smoke run, as CI does
#   ./scripts/fuzz.sh fuzz_layout           one harness only
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-fuzz}
runs=${RUNS:-10000000}
leak_runs=${LEAK_RUNS:-$((runs / 100))}
[ "$leak_runs" -ge 1000 ] || leak_runs=1000
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRIVER_FUZZ=ON -DDRIVER_BUILD_TESTS=OFF -DDRIVER_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzzers

export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp"
export UBSAN_OPTIONS="print_stacktrace=1 halt_on_error=1"
options="-rss_limit_mb=2048 -timeout=30 -print_final_stats=1"
harnesses=${*:-$(find "$build/fuzz" -maxdepth 1 -type f -perm -u+x -name "fuzz_*" -printf "%f\n" | sort)}
mkdir -p "$build/findings"
for harness in $harnesses; do
    binary="$build/fuzz/$harness"
    log="$build/findings/$harness.log"
    seeds_name=${harness%_panels}
    regressions="$root/fuzz/regressions/$seeds_name"
    if [ -d "$regressions" ] && [ -n "$(ls -A "$regressions")" ]; then
        echo "== $harness: replaying $(ls "$regressions" | wc -l) saved findings"
        ASAN_OPTIONS=fast_unwind_on_malloc=0 "$binary" $options "$regressions"/* >"$log" 2>&1 ||
            { tail -60 "$log"; exit 1; }
    fi
    seeds="$root/fuzz/corpus/$seeds_name"
    case $seeds_name in
    fuzz_layout | fuzz_device_index) seeds="$seeds $root/config" ;;
    esac
    n=$runs
    [ "$harness" = fuzz_layout_panels ] && n=$((runs / 100))
    # Inputs a little larger than the largest real file of each kind keep the runs fast.
    case $seeds_name in
    fuzz_keymap_xml) max_len=4096 ;;
    fuzz_store_catalogue) max_len=8192 ;;
    fuzz_layout | fuzz_downloads) max_len=24576 ;;
    *) max_len=65536 ;;
    esac
    options_now="$options -max_len=$max_len"
    corpus="$build/corpus/$harness"
    mkdir -p "$corpus"
    echo "== $harness: $n runs, then $leak_runs with leak checks"
    ASAN_OPTIONS=detect_leaks=0 "$binary" -runs="$n" -detect_leaks=0 $options_now -artifact_prefix="$build/findings/$harness-" \
        "$corpus" $seeds >"$log" 2>&1 || { tail -60 "$log"; exit 1; }
    grep -E "^stat::number_of_executed_units|^stat::average_exec_per_sec|^stat::peak_rss_mb" "$log" | sed 's/^/   /'
    ASAN_OPTIONS=fast_unwind_on_malloc=0 "$binary" -runs="$leak_runs" $options_now \
        -artifact_prefix="$build/findings/$harness-" "$corpus" >"$log.leaks" 2>&1 ||
        { tail -60 "$log.leaks"; exit 1; }
done
echo "== no findings"
