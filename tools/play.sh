#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it in the build folder, which holds
# the ReadMe.txt that the Help menu opens from the working directory.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

bash "$root/tools/build-game.sh"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  # Without a display, playing needs the virtual X server that the hint names.
  bash "$root/tools/setup-debian.sh" xvfb
  echo "No display found: start the game inside a virtual X server with:  xvfb-run -a -s '-screen 0 1280x1024x24' $root/tools/play.sh"
  exit 1
fi
cd "$root/build/app"
exec ./zenkara
