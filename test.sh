#!/usr/bin/env bash
# Installs whatever is missing, lints the sources, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, builds the page and the runner for node with Emscripten, and runs
# every test; the arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")"
# shellcheck source=scripts/setup.sh
source scripts/setup.sh
ensure_dependencies "${WEB_PACKAGES[@]}" "${WEB_TEST_PACKAGES[@]}" "${TEST_PACKAGES[@]}" \
  "${LINT_PACKAGES[@]}"
ensure_test_modules
run_stage lint "Linting the sources" scripts/lint.sh
export QT_QPA_PLATFORM=offscreen
# Qt wants a private runtime folder, which a session without a desktop (as in CI) lacks.
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}"
[ -d "$XDG_RUNTIME_DIR" ] || mkdir -m 700 "$XDG_RUNTIME_DIR"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_stage configure "Configuring the sanitizer build" cmake --preset sanitize
run_stage build "Building the program and its tests" cmake --build --preset sanitize
run_stage web-configure "Configuring the web build" cmake --preset web
run_stage web-build "Building the page and the runner for node" cmake --build --preset web
run_tests ctest --preset sanitize -j 2 "$@"
