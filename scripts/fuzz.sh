#!/usr/bin/env bash
# Builds the decipher fuzzer with clang (libFuzzer + AddressSanitizer + UndefinedBehaviorSanitizer)
# against the system's Qt5Core, makes a seed corpus of genuine ciphertexts and runs a bounded
# number of inputs. Exits non-zero when the fuzzer finds a crash; prints one result line.
# Override the bounds with FUZZ_RUNS and FUZZ_SECONDS.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
out="${FUZZ_BUILD_DIR:-$root/build-fuzz}"
runs="${FUZZ_RUNS:-200000}"
seconds="${FUZZ_SECONDS:-60}"
log="$out/fuzz.log"
mkdir -p "$out"

fail() { echo "fuzz: decipher FAILED ($1)"; exit 1; }

command -v clang++ >/dev/null || fail "clang++ not found"
qt_flags="$(pkg-config --cflags Qt5Core)" || fail "pkg-config Qt5Core not found"
qt_libs="$(pkg-config --libs Qt5Core)"
common=(-std=c++17 -fPIC -g -O1 -I"$root/src" -DQT_NO_NARROWING_CONVERSIONS_IN_CONNECT)

# shellcheck disable=SC2086
clang++ "${common[@]}" $qt_flags -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    "$root/fuzz/decipher_fuzzer.cpp" "$root/src/util/TextCipher.cpp" $qt_libs \
    -o "$out/decipher_fuzzer" >"$out/build.log" 2>&1 || { cat "$out/build.log"; fail "fuzzer build"; }
# shellcheck disable=SC2086
clang++ "${common[@]}" $qt_flags "$root/fuzz/make_seeds.cpp" "$root/src/util/TextCipher.cpp" $qt_libs \
    -o "$out/make_seeds" >>"$out/build.log" 2>&1 || { cat "$out/build.log"; fail "seed helper build"; }

rm -rf "$out/corpus" "$out/artifacts"
mkdir -p "$out/corpus" "$out/artifacts"
"$out/make_seeds" "$out/corpus" || fail "seed corpus"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
"$out/decipher_fuzzer" -runs="$runs" -max_total_time="$seconds" -max_len=4096 -rss_limit_mb=2048 \
    -artifact_prefix="$out/artifacts/" "$out/corpus" >"$log" 2>&1
status=$?
done_runs=$(grep -Eo 'Done [0-9]+ runs' "$log" | grep -Eo '[0-9]+' | tail -1)
if [ "$status" -ne 0 ]; then
    tail -40 "$log"
    fail "exit $status, inputs in $out/artifacts, log $log"
fi
echo "fuzz: decipher ok (${done_runs:-?} inputs, no crash)"
