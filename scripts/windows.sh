#!/usr/bin/env bash
# Cross-builds airvane-lite.exe with mingw-w64 and the static Qt, then runs under Wine (on an
# Xvfb display of its own): the native WLAN check, every core test, and the program itself
# (its window, a screenshot, the first-start settings in the registry, a clean close).
#
#   scripts/windows.sh            build, test, run the program
#   scripts/windows.sh --demo     build the program only and run it on the simulated wireless
#                                 service, with a screenshot
#
# Environment: AIRVANE_QT_MINGW (the static Qt, default ../shared/toolchains/qt5-mingw64 beside
# the checkout), AIRVANE_WINDOWS_BUILD (build folder, default build-windows),
# AIRVANE_WINDOWS_JOBS (default 2), AIRVANE_WINDOWS_WERROR (default ON),
# AIRVANE_WINDOWS_TESTS (extended regex choosing tests, default all),
# AIRVANE_WINDOWS_EXPECT_SETTINGS (1/0: force the first-start settings check on or off).
# The last line is always "windows: N passed, M failed"; the exit status is 0 only without
# failures.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

demo=0
for arg in "$@"; do
    case "$arg" in
    --demo) demo=1 ;;
    -h|--help) sed -n '2,17p' "$0"; exit 0 ;;
    *) echo "unknown argument: $arg" >&2; exit 2 ;;
    esac
done

build="${AIRVANE_WINDOWS_BUILD:-$root/build-windows}"
qt="${AIRVANE_QT_MINGW:-$root/../shared/toolchains/qt5-mingw64}"
jobs="${AIRVANE_WINDOWS_JOBS:-2}"
werror="${AIRVANE_WINDOWS_WERROR:-ON}"
test_filter="${AIRVANE_WINDOWS_TESTS:-.}"
app_title="Airvane Lite"

passed=0
failed=0
failures=()
pass() { passed=$((passed + 1)); echo "PASS $*"; }
fail() { failed=$((failed + 1)); failures+=("$*"); echo "FAIL $*"; }
finish() {
    echo
    for f in "${failures[@]}"; do echo "FAILED: $f"; done
    echo "windows: $passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit
}

"$root/scripts/deps.sh" || { fail "dependencies could not be installed"; finish; }

wine="$(command -v wine64 || true)"
[ -n "$wine" ] || wine=/usr/lib/wine/wine64
wineserver="$(command -v wineserver || true)"
[ -n "$wineserver" ] || wineserver=/usr/lib/wine/wineserver64
for tool in "$wine" "$wineserver" Xvfb xwininfo xdpyinfo import identify x86_64-w64-mingw32-g++-posix; do
    command -v "$tool" >/dev/null || { fail "missing tool $tool"; finish; }
done
if [ ! -f "$qt/lib/cmake/Qt5/Qt5Config.cmake" ]; then
    fail "no static Qt for mingw at $qt (set AIRVANE_QT_MINGW)"
    finish
fi
qt="$(cd "$qt" && pwd)"

# ---------------------------------------------------------------- temporary state and cleanup
work="$(mktemp -d "${TMPDIR:-/tmp}/airvane-wine.XXXXXX")"
xvfb_pid=""
cleanup() {
    local p
    for p in "$work"/*/; do
        [ -f "$p/system.reg" ] || continue
        WINEPREFIX="${p%/}" timeout 20 "$wineserver" -k >/dev/null 2>&1 || true
    done
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# ---------------------------------------------------------------- build
ccache_launcher=""
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
    ccache_launcher=1
fi
configure() {
    timeout 600 cmake -S "$root" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64-posix.cmake" \
        -DCMAKE_PREFIX_PATH="$qt" -DQt5_DIR="$qt/lib/cmake/Qt5" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
        -DAIRVANE_QT_STATIC=ON -DAIRVANE_BUILD_BENCH=OFF -DAIRVANE_BUILD_TESTS=ON \
        -DAIRVANE_WERROR="$werror" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON \
        ${ccache_launcher:+-DCMAKE_CXX_COMPILER_LAUNCHER=ccache} >"$work/configure.log" 2>&1
}

if [ "$demo" -eq 1 ]; then
    targets=(airvane-lite)
else
    targets=(airvane-lite windows_checks)
fi
start=$(date +%s)
if [ -f "$build/CMakeCache.txt" ] && ! grep -q "^CMAKE_TOOLCHAIN_FILE:.*mingw-w64-x86_64-posix.cmake" "$build/CMakeCache.txt"; then
    fail "$build is configured for another toolchain; remove it or set AIRVANE_WINDOWS_BUILD"
    finish
fi
if ! configure; then
    cat "$work/configure.log"
    fail "configure"
    finish
fi
if timeout 3600 cmake --build "$build" --target "${targets[@]}" -- -j"$jobs" -k 0 >"$work/build.log" 2>&1; then
    echo "windows: built ${targets[*]} in $(( $(date +%s) - start )) s"
else
    grep -E "error|FAILED|undefined reference" "$work/build.log" | head -60
    fail "build (see the errors above)"
    cp "$work/build.log" "$build/windows-build.log" 2>/dev/null || true
fi

# Windows-only branches in a source file that this build does not compile would be text no
# compiler has seen.
check_windows_sources() {
    local unseen=() f
    while IFS= read -r f; do
        grep -qF "\"file\": \"$f\"" "$build/compile_commands.json" 2>/dev/null || unseen+=("${f#"$root"/}")
    done < <(grep -rlE '^[[:space:]]*#[[:space:]]*(if|ifdef|ifndef|elif).*\b(Q_OS_WIN|Q_OS_WINDOWS|_WIN32|_WIN64|WIN32)\b' \
                 "$root/src" "$root/tests" "$root/bench" --include='*.cpp' 2>/dev/null | sort)
    if [ "${#unseen[@]}" -eq 0 ]; then
        pass "every source file with Windows-only branches is compiled for Windows"
    else
        fail "Windows-only branches that this build never compiles: ${unseen[*]}"
    fi
}
[ "$demo" -eq 1 ] || check_windows_sources

# ---------------------------------------------------------------- display and prefixes
display=""
for n in $(seq 91 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x900x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 50); do
        if DISPLAY=":$n" timeout 5 xdpyinfo >/dev/null 2>&1; then display=":$n"; break; fi
        kill -0 "$xvfb_pid" 2>/dev/null || break
        sleep 0.2
    done
    [ -n "$display" ] && break
    kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; xvfb_pid=""
done
if [ -z "$display" ]; then
    fail "no Xvfb display could be started"
    finish
fi
export DISPLAY="$display"
export WINEDEBUG=-all
# No Mono or Gecko installer dialogs while a prefix is created.
export WINEDLLOVERRIDES="mscoree,mshtml="

new_prefix() {   # name -> path of a ready Wine prefix
    local p="$work/$1"
    mkdir -p "$p"
    WINEPREFIX="$p" timeout 180 "$wine" wineboot --init >/dev/null 2>&1
    WINEPREFIX="$p" timeout 60 "$wineserver" -w >/dev/null 2>&1
    echo "$p"
}

in_wine() {   # prefix seconds program [args...]: runs to completion, never longer than seconds
    local p="$1" limit="$2"; shift 2
    WINEPREFIX="$p" timeout -k 10 "$limit" "$wine" "$@"
}

# ---------------------------------------------------------------- checks and core tests
run_tests() {
    local prefix t0 exe name log rc totals
    t0=$(date +%s)
    prefix="$(new_prefix tests)"
    echo "windows: test prefix ready in $(( $(date +%s) - t0 )) s"

    exe="$build/tests/native_wlan_check.exe"
    log="$build/windows-logs/native_wlan_check.log"
    mkdir -p "$build/windows-logs"
    if [ -f "$exe" ]; then
        (cd "$build/tests" && in_wine "$prefix" 300 "$exe") >"$log" 2>&1
        rc=$?
        grep -E "^(SKIP|FAIL|not implemented)|passed, [0-9]+ failed" "$log"
        if [ "$rc" -eq 0 ]; then pass "native_wlan_check"; else fail "native_wlan_check (exit $rc)"; fi
    else
        fail "native_wlan_check was not built"
    fi

    local names=()
    mapfile -t names < <(cd "$build" && ctest -N 2>/dev/null | sed -n 's/^ *Test *#[0-9]*: *//p' | grep -E "$test_filter")
    if [ "${#names[@]}" -eq 0 ]; then
        echo "windows: no core tests are registered yet"
    fi
    for name in "${names[@]}"; do
        exe="$build/tests/$name.exe"
        log="$build/windows-logs/$name.log"
        if [ ! -f "$exe" ]; then
            fail "$name was not built"
            continue
        fi
        # QtTest's own output does not reach a redirected stdout under Wine; it writes a file.
        rm -f "$log"
        (cd "$build/tests" && AIRVANE_WLAN=simulated AIRVANE_TEST_SOURCE_DIR="Z:$root/tests" \
            in_wine "$prefix" 300 "$exe" -o "Z:$log,txt") >"$log.out" 2>&1
        rc=$?
        totals="$(tr -d '\r' <"$log" 2>/dev/null | grep -Eo '^Totals: [0-9]+ passed, [0-9]+ failed, [0-9]+ skipped' | tail -1)"
        if [ "$rc" -eq 0 ] && [ -n "$totals" ]; then
            pass "$name ($totals)"
        else
            tr -d '\r' <"$log" 2>/dev/null | grep -E "^(FAIL!|   Loc:|QWARN|QFATAL)|^Totals" | head -30
            [ -n "$totals" ] || echo "   (no test result was written)"
            [ "$rc" -eq 124 ] || [ "$rc" -eq 137 ] && echo "   (timed out)"
            fail "$name (exit $rc, log $log)"
            # Whatever a failed test left running must not disturb the next one.
            WINEPREFIX="$prefix" timeout 20 "$wineserver" -k >/dev/null 2>&1
        fi
    done
    echo "windows: tests ran in $(( $(date +%s) - t0 )) s"
}

# ---------------------------------------------------------------- the program itself
window_line() {
    timeout 10 xwininfo -root -tree 2>/dev/null | grep -F "\"$app_title" | head -1
}

settings_expected() {
    case "${AIRVANE_WINDOWS_EXPECT_SETTINGS:-auto}" in
    1|yes|on|ON) return 0 ;;
    0|no|off|OFF) return 1 ;;
    esac
    # Active once the entry point (or the start-up sequence it creates) writes the defaults.
    grep -qE "ManageStartup|writeDefaultSettings" "$root/src/app/main.cpp" 2>/dev/null
}

run_program() {   # label shot [environment assignments...]
    local label="$1" shot="$2"; shift 2
    local exe="$build/bin/airvane-lite.exe" prefix pid t0 line key out updates colors
    if [ ! -f "$exe" ]; then
        fail "$label: airvane-lite.exe was not built"
        return
    fi
    t0=$(date +%s)
    prefix="$(new_prefix "program-$label")"
    echo "windows: $label prefix ready in $(( $(date +%s) - t0 )) s"
    # Wine has no network: the update check at start would hold the start-up behind its
    # "No network connection" box. Every other first-start default is still written by the program.
    in_wine "$prefix" 60 reg add 'HKEY_CURRENT_USER\Software\Tarnwick\Airvane Lite\Updates' \
        /v CheckForUpdatesWhenAppStarts /t REG_SZ /d false /f >/dev/null 2>&1

    (cd "$build/bin" && exec env "$@" WINEPREFIX="$prefix" timeout -k 10 600 "$wine" "$exe") \
        >"$build/windows-logs/airvane-lite-$label.log" 2>&1 &
    pid=$!

    line=""
    for _ in $(seq 1 240); do
        line="$(window_line)"
        [ -n "$line" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.5
    done
    if [ -z "$line" ]; then
        fail "$label: no window titled \"$app_title\" within 120 s"
        kill "$pid" 2>/dev/null
        WINEPREFIX="$prefix" timeout 20 "$wineserver" -k >/dev/null 2>&1
        wait "$pid" 2>/dev/null
        return
    fi
    pass "$label: window shown after $(( $(date +%s) - t0 )) s: $(echo "$line" | sed 's/^ *//')"

    # The splash stays about ten seconds before the main window replaces it.
    sleep "${AIRVANE_WINDOWS_SETTLE:-12}"
    mkdir -p "$build/screenshots"
    rm -f "$shot"
    if timeout 60 import -display "$display" -window root "$shot" 2>/dev/null && [ -s "$shot" ]; then
        colors="$(identify -format '%k' "$shot" 2>/dev/null || echo 0)"
        if [ "${colors:-0}" -gt 8 ]; then
            pass "$label: screenshot $shot ($colors colours)"
        else
            fail "$label: the screenshot is blank ($colors colours)"
        fi
    else
        fail "$label: no screenshot"
    fi

    if [ "$label" = "program" ]; then
        key='HKEY_CURRENT_USER\Software\Tarnwick\Airvane Lite'
        out="$(in_wine "$prefix" 60 reg query "$key\AppSettings" 2>/dev/null | tr -d '\r')"
        updates="$(in_wine "$prefix" 60 reg query "$key\Updates" 2>/dev/null | tr -d '\r')"
        if settings_expected; then
            local missing=()
            for k in ShowFullInfo ShowSplash AlwaysOnTop AddToTray NotifyWhenOpenAP AutoRefreshWlanNetworks \
                     Opacity AppLanguage AppTheme; do
                echo "$out" | grep -Eq "^ +$k +REG_" || missing+=("$k")
            done
            if [ "${#missing[@]}" -eq 0 ] \
                && echo "$out" | grep -Eq "^ +ShowSplash +REG_SZ +true" \
                && echo "$out" | grep -Eq "^ +AlwaysOnTop +REG_SZ +false" \
                && echo "$out" | grep -Eq "^ +AppTheme +REG_DWORD +0x0" \
                && echo "$updates" | grep -Eq "^ +UpdatesChannel +REG_DWORD +0x3" \
                && echo "$updates" | grep -Eq "^ +EnableUpdates +REG_SZ +true"; then
                pass "$label: first-start settings in the registry"
            else
                echo "$out"; echo "$updates"
                fail "$label: first-start settings missing or wrong (${missing[*]:-values})"
            fi
        else
            echo "windows: SKIP first-start settings check (the program does not run its start-up sequence yet)"
            [ -n "$out" ] && echo "$out"
        fi
    fi

    # Close it the way a user would: WM_CLOSE to its windows, no force. While the "Wireless card
    # was not found" box is up, the main window is blocked by it and ignores its WM_CLOSE; the box
    # closes first, so a second request (the user clicking close again) closes the window.
    local exited=0
    for _attempt in 1 2 3; do
        in_wine "$prefix" 60 taskkill /im airvane-lite.exe >/dev/null 2>&1
        for _ in $(seq 1 20); do
            if ! kill -0 "$pid" 2>/dev/null; then exited=1; break; fi
            sleep 0.5
        done
        [ "$exited" -eq 1 ] && break
    done
    if [ "$exited" -eq 1 ]; then
        wait "$pid"
        local rc=$?
        if [ "$rc" -eq 0 ]; then
            pass "$label: closed cleanly"
        else
            fail "$label: exited with status $rc after the close request"
        fi
    else
        fail "$label: still running after three close requests"
        in_wine "$prefix" 30 taskkill /f /im airvane-lite.exe >/dev/null 2>&1
        WINEPREFIX="$prefix" timeout 20 "$wineserver" -k >/dev/null 2>&1
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    fi
    echo "windows: $label run took $(( $(date +%s) - t0 )) s"
}

mkdir -p "$build/windows-logs"
run_start=$(date +%s)
if [ "$demo" -eq 1 ]; then
    run_program demo "$build/screenshots/airvane-lite-wine-demo.png" AIRVANE_WLAN=simulated
else
    run_tests
    run_program program "$build/screenshots/airvane-lite-wine.png"
fi
echo "windows: Wine run took $(( $(date +%s) - run_start )) s"
finish
