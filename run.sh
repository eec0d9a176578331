#!/usr/bin/env bash
# Installs whatever is missing, builds the collection and opens its menu. With --web, builds the
# page instead and opens it in the default browser (or says where it is when there is none);
# with --web --serve [PORT], builds the site and serves it to this machine's network.
set -euo pipefail
cd "$(dirname "$0")"
# shellcheck source=scripts/setup.sh
source scripts/setup.sh
if [ "${1:-}" = "--web" ]; then
  packages=("${WEB_PACKAGES[@]}")
  [ "${2:-}" = "--serve" ] && packages+=("${SERVE_PACKAGES[@]}")
  ensure_dependencies "${packages[@]}"
  run_stage web-configure "Configuring the web build" cmake --preset web
  if [ "${2:-}" = "--serve" ]; then
    port=${3:-8000}
    if ! [[ $port =~ ^[0-9]+$ ]] || [ "$port" -lt 1 ] || [ "$port" -gt 65535 ]; then
      echo "usage: ./run.sh --web --serve [PORT], with PORT from 1 to 65535" >&2
      exit 1
    fi
    run_stage web-build "Building the site" cmake --build --preset web --target minigames-site
    # On a terminal the code is drawn in its own black on white, whatever the terminal's colours.
    qr_kind=UTF8
    [ -t 1 ] && qr_kind=ANSIUTF8
    echo "Serving build/web/site on port $port (Ctrl+C stops). Open one of these:"
    echo "  on this computer:            http://localhost:$port/"
    for address in $(hostname -I 2>/dev/null ||
      ip -o -4 addr show scope global 2>/dev/null | awk '{sub(/\/.*/, "", $4); print $4}'); do
      # The server listens on IPv4 only.
      [[ $address == *:* ]] && continue
      echo "  on a phone on this network:  http://$address:$port/"
      # A phone's camera opens it from the terminal, with nothing typed.
      qrencode -t "$qr_kind" -m 2 "http://$address:$port/"
    done
    echo "Over a plain http:// address from another device the games play, but browsers keep"
    echo "a copy for offline play and the home screen only from https:// (or this computer):"
    echo "publish build/web/site on a static host for that (see README)."
    exec python3 -m http.server "$port" --bind 0.0.0.0 --directory build/web/site
  fi
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
