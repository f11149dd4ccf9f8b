#!/usr/bin/env bash
# Configures (once) and builds one Linux build tree. Usage: build.sh DIR [cmake options...]
# AIRVANE_TARGET=name builds only that target.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$1"; shift
if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
fi
cmake --build "$dir" ${AIRVANE_TARGET:+--target "$AIRVANE_TARGET"} -- -j"$(nproc)"
