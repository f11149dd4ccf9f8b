#!/usr/bin/env bash
# Builds everything once per configuration and runs every test:
#   1. the Linux build (tests in parallel, offscreen),
#   2. the same suite under AddressSanitizer + UndefinedBehaviorSanitizer,
#   3. the core suite under ThreadSanitizer,
#   4. the decipher fuzzer for a bounded number of inputs,
#   5. the Windows cross-build, its core tests and the program under Wine.
# Set AIRVANE_STAGES to a subset (e.g. "linux asan") to run only those stages.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
"$root/scripts/deps.sh"

stages="${AIRVANE_STAGES:-linux asan tsan fuzz windows}"
jobs="$(nproc)"
passed=0
failed=0
failures=()

# ctest's summary line: "100% tests passed, 0 tests failed out of 31"
count_ctest() {
    local log="$1" label="$2" total bad
    total=$(grep -Eo 'tests failed out of [0-9]+' "$log" | grep -Eo '[0-9]+$' | tail -1)
    bad=$(grep -Eo '[0-9]+ tests failed out of' "$log" | grep -Eo '^[0-9]+' | tail -1)
    total=${total:-0}; bad=${bad:-0}
    if [ "$total" -eq 0 ]; then
        failed=$((failed + 1)); failures+=("$label: no test ran")
        return
    fi
    passed=$((passed + total - bad)); failed=$((failed + bad))
    [ "$bad" -eq 0 ] || failures+=("$label: $bad failed")
}

run_suite() {   # label dir [ctest args...]
    local label="$1" dir="$2"; shift 2
    local log="$dir/ctest-$label.log"
    (cd "$dir" && ctest -j"$jobs" --output-on-failure "$@") 2>&1 | tee "$log"
    count_ctest "$log" "$label"
}

build_or_fail() {   # label dir [cmake options...]
    local label="$1"; shift
    if ! "$root/scripts/build.sh" "$@"; then
        failed=$((failed + 1)); failures+=("$label: build failed")
        return 1
    fi
}

for stage in $stages; do
    echo "=== stage: $stage"
    case "$stage" in
    linux)
        build_or_fail linux build -DAIRVANE_WERROR=ON && run_suite linux build
        ;;
    asan)
        export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1:fast_unwind_on_malloc=0"
        export LSAN_OPTIONS="suppressions=$root/scripts/sanitizers/lsan.supp:print_suppressions=0"
        export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
        build_or_fail asan build-asan -DCMAKE_BUILD_TYPE=Debug "-DAIRVANE_SANITIZE=address;undefined" \
            -DAIRVANE_BUILD_BENCH=OFF && run_suite asan build-asan
        ;;
    tsan)
        export TSAN_OPTIONS="suppressions=$root/scripts/sanitizers/tsan.supp:halt_on_error=1:second_deadlock_stack=1"
        build_or_fail tsan build-tsan -DCMAKE_BUILD_TYPE=Debug -DAIRVANE_SANITIZE=thread \
            -DAIRVANE_BUILD_BENCH=OFF && run_suite tsan build-tsan -L core
        ;;
    fuzz)
        if "$root/scripts/fuzz.sh"; then passed=$((passed + 1)); else failed=$((failed + 1)); failures+=("fuzz"); fi
        ;;
    windows)
        log="$root/build-windows-test.log"
        "$root/scripts/windows.sh" 2>&1 | tee "$log"
        w_pass=$(grep -Eo '^windows: [0-9]+ passed, [0-9]+ failed' "$log" | tail -1)
        if [ -n "$w_pass" ]; then
            p=$(echo "$w_pass" | grep -Eo '[0-9]+ passed' | grep -Eo '[0-9]+')
            f=$(echo "$w_pass" | grep -Eo '[0-9]+ failed' | grep -Eo '[0-9]+')
            passed=$((passed + p)); failed=$((failed + f))
            [ "$f" -eq 0 ] || failures+=("windows: $f failed")
        else
            failed=$((failed + 1)); failures+=("windows: did not finish")
        fi
        ;;
    *) echo "unknown stage $stage"; exit 2 ;;
    esac
done

echo
for f in "${failures[@]}"; do echo "FAILED: $f"; done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
