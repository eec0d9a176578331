#!/usr/bin/env bash
# Renders every window of the collection in its main states into PNG files, by playing the
# scripted games of tools/screenshots/scenes/ on the real windows with minigames-shot (virtual
# clock, chosen draws, offscreen painting). Each scene names the files it writes.
#
#   tools/screenshots/render.sh [OUTDIR]
#
# OUTDIR defaults to docs/screens/; without it the README's pictures in docs/ are refreshed as
# well. minigames-shot is built with the release preset unless MINIGAMES_SHOT names one.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
out=$(realpath -m "${1:-$root/docs/screens}")
shot=${MINIGAMES_SHOT:+$(realpath "$MINIGAMES_SHOT")}  # as the caller names it, before the cd
cd "$root"
# shellcheck source=scripts/setup.sh
source scripts/setup.sh

if [ -z "$shot" ]; then
  # shellcheck disable=SC2119  # the desktop build's packages, no more
  ensure_dependencies
  run_stage configure "Configuring the release build" cmake --preset release
  run_stage build "Building minigames-shot" cmake --build --preset release --target minigames-shot
  shot=$PWD/build/release/bin/minigames-shot
fi

# Plays one scene in OUTDIR, where its pictures are written.
render_scene() {
  cd "$out" && "$shot" <"$1"
}

mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen
for scene in tools/screenshots/scenes/*.txt; do
  run_stage "screens-$(basename "$scene" .txt)" "Rendering $scene" render_scene "$PWD/$scene"
done
echo "The pictures are in $out"

# The README's pictures: the menu, and one telling state of each game.
if [ $# -eq 0 ]; then
  cp "$out/menu.png" docs/screenshot.png
  cp "$out/race-won.png" docs/race.png
  cp "$out/journey-won.png" docs/journey.png
  cp "$out/duel-won.png" docs/duel.png
  cp "$out/rescue-near.png" docs/rescue.png
  echo "Refreshed docs/screenshot.png, race.png, journey.png, duel.png and rescue.png"
fi
