#!/usr/bin/env bash
# Installs what is missing and builds the game alone (no tests, no benchmarks) in build/.
# Usage: build-game.sh [play|package]   (the setup-debian.sh group to install; default play)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"

bash "$root/tools/setup-debian.sh" "${1:-play}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZENKARA_BUILD_TESTS=OFF -DZENKARA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target zenkara -j"$(nproc)"
