#!/usr/bin/env bash
# Installs whatever is missing, builds the collection and opens its menu.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
ensure_dependencies
cmake --preset release >/dev/null
cmake --build --preset release --target minigames
exec build/release/bin/minigames "$@"
