#!/usr/bin/env bash
# Runs the whole update flow (check, offer, download, install; insider offer; changelog) against
# the local HTTPS test server on an Xvfb display and saves the windows to docs/screenshots/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
AIRVANE_TARGET=tst_updateflow "$root/scripts/build.sh" "$root/build" >/dev/null
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
mkdir -p "$root/docs/screenshots" "$home/runtime"
chmod 700 "$home/runtime"
cd "$root/build/tests"
HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/runtime" \
AIRVANE_TEST_SOURCE_DIR="$root/tests" AIRVANE_SCREENSHOT_DIR="$root/docs/screenshots" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1600x1000x24" ./tst_updateflow
ls "$root"/docs/screenshots/updates-*.png
