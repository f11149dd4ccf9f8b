#!/usr/bin/env bash
# Configures (once) and builds one Linux build tree. Usage: build.sh DIR [cmake options...]
# AIRVANE_TARGET=name builds only that target.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir="$1"; shift
# ccache, when present, lets parallel checkouts of the tree share their objects.
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR="$root" CCACHE_NOHASHDIR=1
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$root" -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null
fi
cmake --build "$dir" ${AIRVANE_TARGET:+--target "$AIRVANE_TARGET"} -- -j"$(nproc)"
