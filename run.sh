#!/usr/bin/env bash
# Installs whatever is missing, builds the collection and opens its menu.
set -euo pipefail
cd "$(dirname "$0")"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  echo "No display here (neither DISPLAY nor WAYLAND_DISPLAY is set), so the menu cannot open." >&2
  echo "Run ./run.sh in a desktop session; ./test.sh needs no display." >&2
  exit 1
fi
# shellcheck source=scripts/setup.sh
source scripts/setup.sh
ensure_dependencies
run_stage configure "Configuring the release build" cmake --preset release
run_stage build "Building the program" cmake --build --preset release --target minigames
exec build/release/bin/minigames "$@"
