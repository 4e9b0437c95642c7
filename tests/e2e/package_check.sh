#!/usr/bin/env bash
# Builds the Debian package and checks it the way a player's system meets it: the files where
# the desktop and the software centre look for them, a valid desktop entry and AppStream
# metadata, the copyright file, changelog and manual page (and lintian's verdict when it is
# installed), and the game started once from the unpacked package by an ordinary user who has
# never played it, in a game folder that user cannot write to. Closing the game must leave
# its settings in that user's data folder.
#
# Usage: package_check.sh <build dir> <source dir> <version>
# Exits 77 (skipped) when not run as root (the game must run as another user) or when Xvfb is
# not installed.
set -euo pipefail

readonly SKIPPED=77
readonly build=$1 source_dir=$2 version=$3
readonly player=nobody
readonly icon_sizes=(16 32 48 64 128 256)

skip() { echo "SKIP: $*"; exit $SKIPPED; }
fail() {
  echo "FAIL: $*" >&2
  [[ -s ${work:-}/game.log ]] && { echo "--- game.log" >&2; tail -n 40 "$work/game.log" >&2; }
  exit 1
}

((EUID == 0)) || skip "run as root, to start the game as the unprivileged user $player"
command -v xvfb-run >/dev/null && command -v Xvfb >/dev/null || skip "Xvfb is not installed"
command -v dbus-run-session >/dev/null || skip "dbus-run-session is not installed"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"

# --- the package ----------------------------------------------------------------------------

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log" >&2; fail "cpack could not build the package"; }
deb=$work/cpack/zenkara_${version}_$(dpkg --print-architecture).deb
[[ -f $deb ]] || fail "no $(basename "$deb") among: $(ls "$work/cpack")"

field() { dpkg-deb --field "$deb" "$1"; }
[[ $(field Section) == games ]] || fail "the package's section is '$(field Section)'"
[[ -n $(field Maintainer) && -n $(field Description) ]] || fail "the package has no maintainer or description"
[[ $(field Depends) == *libqt6widgets6* ]] || fail "the library dependencies were not worked out: Depends: $(field Depends)"

root=$work/root
dpkg-deb -x "$deb" "$root"

exe=$root/usr/games/zenkara
entry=$root/usr/share/applications/zenkara.desktop
[[ -x $exe ]] || fail "no executable at /usr/games/zenkara"
[[ -f $entry ]] || fail "no desktop entry at /usr/share/applications/zenkara.desktop"
desktop-file-validate "$entry" || fail "the desktop entry is not valid"

value() { sed -n "s/^$1=//p" "$entry"; }
[[ $(value Exec) == '"/usr/games/zenkara"' ]] || fail "Exec is $(value Exec)"
game_dir=$root$(value Path)
cmp -s "$game_dir/ReadMe.txt" "$source_dir/resources/ReadMe.txt" \
  || fail "the folder the entry starts the game in, $(value Path), holds no ReadMe.txt"
[[ -n $(value 'Name\[zh_CN\]') && -n $(value 'Comment\[zh_CN\]') && -n $(value Keywords) ]] \
  || fail "the desktop entry lacks its Chinese name and comment or its keywords"
[[ $(value Categories) == *"Game;BoardGame;"* ]] || fail "the menu would not list the game among the board games"

for size in "${icon_sizes[@]}"; do
  icon=usr/share/icons/hicolor/${size}x${size}/apps/zenkara.png
  [[ -f $root/$icon ]] || fail "no icon at /$icon"
  [[ $(identify -format '%wx%h' "$root/$icon") == "${size}x${size}" ]] || fail "/$icon is not ${size}x${size}"
done

metainfo=("$root"/usr/share/metainfo/*.metainfo.xml)
[[ -f ${metainfo[0]} ]] || fail "no AppStream metadata in /usr/share/metainfo"
# The tree check also matches the metadata with its file name and the desktop entry it launches.
# The project has no public home page yet, and the metadata names none rather than an address
# that does not exist: AppStream 1.0 warns of a missing one (a recommendation of the software
# centres, not a fault of the file); older versions know no such tag and refuse its name.
appstream_options=(--no-net)
appstream_version=$(appstreamcli --version | grep -o '[0-9][0-9.]*' | head -n 1)
[[ ${appstream_version%%.*} -ge 1 ]] && appstream_options+=(--override=url-homepage-missing=info)
appstreamcli validate-tree "${appstream_options[@]}" "$root" || fail "the AppStream metadata is not valid"

doc=$root/usr/share/doc/zenkara
[[ $(head -n 1 "$doc/copyright") == "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ]] \
  || fail "no machine-readable copyright file in /usr/share/doc/zenkara"
[[ $(zcat "$doc/changelog.gz" | head -n 1) == "zenkara ($version) "* ]] \
  || fail "the changelog does not open with version $version"
manual=$(MANWIDTH=80 man -l "$root/usr/share/man/man6/zenkara.6.gz" 2>&1) || fail "no manual page zenkara(6)"
for section in KEYS FILES HELP; do
  grep -q "^$section" <<<"$manual" || fail "the manual page has no $section section"
done
if command -v lintian >/dev/null; then
  lintian --pedantic --fail-on error,warning "$deb" || fail "lintian finds errors or warnings in the package"
fi

# --- one game by a new player ---------------------------------------------------------------

chmod -R a-w "$root"
home=$work/home
mkdir -m 700 "$home" "$work/runtime"
chown "$player:" "$home" "$work/runtime"
player_uid=$(id -u "$player") player_gid=$(id -g "$player")

# Starts the game as the player in the entry's folder, closes it with Del as a player would,
# and waits for it to end. Runs inside xvfb-run, which gives the X server's cookie to root only.
# The game has a session bus of the player's own, as in a desktop session (why it must have
# one: start_session_bus in e2e_common.sh).
play_once() {
  install -o "$player" -m 600 "$XAUTHORITY" "$work/player.xauth"
  local player_env=(HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 DISPLAY="$DISPLAY"
    XAUTHORITY="$work/player.xauth" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb)
  # In the sanitizer build the game keeps the sanitizers' settings and leak suppressions.
  local name
  for name in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS; do
    [[ -v $name ]] && player_env+=("$name=${!name}")
  done
  (cd "$game_dir" && exec setpriv --reuid="$player_uid" --regid="$player_gid" --clear-groups \
    env -i "${player_env[@]}" dbus-run-session -- "$exe") >"$work/game.log" 2>&1 &
  local game=$!
  local window
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zenkara' | head -n 1) \
    || { kill "$game"; fail "the game's window did not appear"; }
  xdotool windowfocus --sync "$window" key Delete
  local waited
  for ((waited = 0; waited < 100; waited++)); do
    kill -0 "$game" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$game" 2>/dev/null; then
    pkill -P "$game"
    kill "$game"
    fail "the game did not close on Del (a message box may be waiting)"
  fi
  wait "$game" || fail "the game exited with status $?"
}
# The sanitizers' suppressions may lie in a folder the player cannot enter (a clone in /root or
# in a 0700 home): the player's game reads a copy.
if [[ ${LSAN_OPTIONS:-} =~ suppressions=([^:]+) ]]; then
  install -m 644 "${BASH_REMATCH[1]}" "$work/lsan.supp"
  LSAN_OPTIONS=${LSAN_OPTIONS/"${BASH_REMATCH[1]}"/$work/lsan.supp}
fi
export work game_dir exe home player player_uid player_gid
TMPDIR=$work xvfb-run -a -s "-screen 0 1280x1024x24" \
  bash -c "set -euo pipefail; $(declare -f fail play_once); play_once" || exit 1

[[ -f $home/.local/share/zenkara/Game.ini ]] \
  || fail "no Game.ini in the player's data folder; the player's home holds: $(cd "$home" && find . -type f)"
echo "package $(basename "$deb") checked; the game kept its settings in the player's data folder"
