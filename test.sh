#!/usr/bin/env bash
# Installs whatever is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
ensure_dependencies
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize -j 2 "$@"
