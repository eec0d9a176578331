#!/usr/bin/env bash
# Installs whatever is missing, builds the collection and opens its menu. With --web, builds the
# page instead and opens it in the default browser (or says where it is when there is none).
set -euo pipefail
cd "$(dirname "$0")"
# shellcheck source=scripts/setup.sh
source scripts/setup.sh
if [ "${1:-}" = "--web" ]; then
  ensure_dependencies "${WEB_PACKAGES[@]}"
  run_stage web-configure "Configuring the web build" cmake --preset web
  run_stage web-build "Building the page" cmake --build --preset web --target minigames
  page=$PWD/build/web/minigames.html
  if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && command -v xdg-open >/dev/null 2>&1; then
    exec xdg-open "$page"
  fi
  echo "The page is $page: open it in any browser, or give it to someone as it is."
  exit 0
fi
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${QT_QPA_PLATFORM:-}" ]; then
  echo "No display here (neither DISPLAY nor WAYLAND_DISPLAY is set), so the menu cannot open." >&2
  echo "Run ./run.sh in a desktop session, or ./run.sh --web for the page; ./test.sh needs no display." >&2
  exit 1
fi
ensure_dependencies
run_stage configure "Configuring the release build" cmake --preset release
run_stage build "Building the program" cmake --build --preset release --target minigames
exec build/release/bin/minigames "$@"
