#!/usr/bin/env bash
# Installs the Debian packages that one of the project's commands needs, and only those that
# are missing: when all are there it changes nothing and asks for no password. Runs as root or
# through sudo.
#
# Usage: setup-debian.sh play|package|assets|test|xvfb
#   play     build the game and play it
#   package  the same, and make its Debian package
#   assets   remake the artwork and sounds under resources/
#   test     build and run the whole test suite
#   xvfb     a virtual X server, to play without a display
set -euo pipefail

# One group of names per line, so that a name joins the group of the command that uses it.
play=(
  build-essential cmake
  qt6-base-dev libsdl2-dev libasound2-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libjpeg62-turbo-dev
  fonts-arphic-uming
)
xvfb=(xvfb xauth)
package=(
  "${play[@]}"
  dpkg-dev file
)
assets=(
  "${play[@]}"
  fonts-noto-color-emoji
  sox
)
test=(
  "${package[@]}"
  "${xvfb[@]}"
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  xdotool matchbox-window-manager x11-utils x11-apps imagemagick
  clang libclang-rt-dev
  desktop-file-utils appstream lintian
  pulseaudio pulseaudio-utils
  weston qt6-wayland
  pipewire pipewire-pulse wireplumber dbus-daemon
)

usage() {
  echo "usage: $0 play|package|assets|test|xvfb" >&2
  exit 2
}

# Every name that installed packages answer to: their own and the virtual ones they provide, so
# that a name that became virtual in a later Debian release still counts as installed.
installed_names() {
  dpkg-query -W -f='${db:Status-Abbrev}|${Package}, ${Provides}\n' 2>/dev/null |
    awk -F'|' '$1 ~ /^ii/ {
      n = split($2, names, /, */)
      for (i = 1; i <= n; i++) { sub(/ .*/, "", names[i]); if (names[i] != "") print names[i] }
    }'
}

(($# == 1)) || usage
case $1 in
  play | package | assets | test | xvfb) declare -n wanted=$1 ;;
  *) usage ;;
esac

declare -A installed=()
while read -r name; do installed[$name]=1; done < <(installed_names)
missing=()
for p in "${wanted[@]}"; do
  [[ -v installed[$p] ]] || missing+=("$p")
done
((${#missing[@]} > 0)) || exit 0

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  sudo_cmd=(sudo)
fi
echo "Installing missing packages: ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
