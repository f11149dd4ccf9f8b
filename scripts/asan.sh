#!/usr/bin/env bash
# Builds build-asan/ with the sanitizer option and runs the suite there (the "asan" stage of test.sh).
exec env AIRVANE_STAGES=asan "$(dirname "$0")/test.sh"
