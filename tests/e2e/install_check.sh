#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks that the desktop can start the game from
# there: the executable with its ReadMe.txt in a folder of its own, a valid desktop entry that
# runs it in that folder, and the icon when the artwork provides one.
#
# Usage: install_check.sh <build dir> <source dir>
set -euo pipefail
build=$1
source_dir=$2
prefix="$(mktemp -d)/prefix with space"
trap 'rm -rf "$(dirname "$prefix")"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null
# What the desktop and the player rely on, not the build's internals.
game_dir=$prefix/share/zenkara
entry=$prefix/share/applications/zenkara.desktop

[[ -x $game_dir/zenkara ]] || fail "no executable at $game_dir/zenkara"
cmp -s "$game_dir/ReadMe.txt" "$source_dir/resources/ReadMe.txt" || fail "no ReadMe.txt beside the executable"
[[ -f $entry ]] || fail "no desktop entry at $entry"
desktop-file-validate "$entry" || fail "the desktop entry is not valid"

value() { sed -n "s/^$1=//p" "$entry"; }
[[ $(value Exec) == "\"$game_dir/zenkara\"" ]] || fail "Exec is $(value Exec)"
[[ $(value Path) == "$game_dir" ]] || fail "Path is $(value Path)"
[[ $(value Icon) == zenkara ]] || fail "Icon is $(value Icon)"

icon=share/icons/hicolor/128x128/apps/zenkara.png
if [[ -f $source_dir/resources/icons/zenkara.png ]]; then
  cmp -s "$prefix/$icon" "$source_dir/resources/icons/zenkara.png" || fail "the icon is not installed at $icon"
  size=$(identify -format '%wx%h' "$prefix/$icon")
  [[ $size == 128x128 ]] || fail "the icon in the 128x128 theme folder is $size"
fi
echo "installed into $prefix"
