#!/usr/bin/env bash
# Builds build-tsan/ with the sanitizer option and runs the suite there (the "tsan" stage of test.sh).
exec env AIRVANE_STAGES=tsan "$(dirname "$0")/test.sh"
