#!/usr/bin/env bash
# Builds Airvane Lite into build/ and starts it. Without a display it starts a virtual one,
# keeps the window up for a few seconds, saves a screenshot to
# build/screenshots/airvane-lite.png and exits.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
"$root/scripts/deps.sh"
AIRVANE_TARGET=airvane-lite "$root/scripts/build.sh" "$root/build"

program="$root/build/bin/airvane-lite"
# Without AIRVANE_WLAN the program picks the service itself: NetworkManager when it answers on the
# system bus, the simulated service otherwise.

if [ -n "${DISPLAY:-}" ]; then
    exec "$program" "$@"
fi

shots="$root/build/screenshots"
mkdir -p "$shots"
# Long enough for the splash (about 10 s) to hand over to the main window.
seconds="${AIRVANE_SCREENSHOT_DELAY:-14}"

# A free display number; Xvfb writes its lock file as soon as it owns one.
display=99
while [ -e "/tmp/.X${display}-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=":$display"
for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done

"$program" "$@" &
app_pid=$!
sleep "$seconds"
if ! kill -0 "$app_pid" 2>/dev/null; then
    wait "$app_pid" || true
    echo "airvane-lite ended before the screenshot was taken" >&2
    exit 1
fi
import -window root "$shots/airvane-lite.png"
echo "Screenshot: $shots/airvane-lite.png"
