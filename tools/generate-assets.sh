#!/usr/bin/env bash
# Rebuilds every file under resources/ that the generators make: the tile
# sheets, the background strip, the pictures, the icons and the sounds.
# The game itself builds from the committed files and needs none of this.
# Usage: tools/generate-assets.sh [build dir]   (default: build-tools)
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-"$repo/build-tools"}

bash "$repo/tools/setup-debian.sh" assets

# The tools directory configures on its own, without the game's dependencies.
cmake -S "$repo/tools" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"

resources="$repo/resources"
mkdir -p "$resources"/{bitmaps,sounds,pictures,icons}
export QT_QPA_PLATFORM=offscreen
for tool in make_backgrounds make_tiles make_pictures make_sounds; do
  echo "Running $tool"
  "$build/$tool" "$resources"
done

echo "Sounds (peak level and length):"
for wave in "$resources"/sounds/*.wav; do
  peak=$(sox "$wave" -n stat 2>&1 | awk '/Maximum amplitude/ {print $3}')
  length=$(sox "$wave" -n stat 2>&1 | awk '/Length \(seconds\)/ {print $3}')
  printf '  %-20s peak %s  length %s s\n' "$(basename "$wave")" "$peak" "$length"
done
