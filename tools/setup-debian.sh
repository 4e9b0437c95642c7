#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing need,
# and only those that are missing. Runs as root or through sudo.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev
  libjpeg62-turbo-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-arphic-uming
  xvfb xauth xdotool matchbox-window-manager x11-utils x11-apps imagemagick
  clang libclang-rt-dev
  desktop-file-utils dpkg-dev file appstream
  pulseaudio pulseaudio-utils
  libsdl2-dev pipewire pipewire-pulse wireplumber dbus-daemon
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  sudo_cmd=(sudo)
fi

echo "Installing missing packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
