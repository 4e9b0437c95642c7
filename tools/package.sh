#!/usr/bin/env bash
# Installs what is missing, builds the game and makes its Debian package in build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

bash "$root/tools/build-game.sh" package
(cd "$root/build" && cpack -G DEB)
