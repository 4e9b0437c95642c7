#!/usr/bin/env bash
# Plays a short game with the real executable in a real X server, the way a player would:
# start it, press F1, see the easy board where the layout puts it, switch to another window
# and see the pause screen with its moving picture, switch back and see the board again, give
# up with F8, close with Del, and find the settings file written beside the executable. The
# window manager gives the window the whole screen, as maximising does: the layout is scaled
# to it, and every place is looked for where the scaled layout puts it.
#
# Usage: play_in_x.sh <built executable>
# Exits 77 (skipped) only when no X server can be started here.
set -euo pipefail

readonly exe=$1
readonly other_title=zenkara-e2e-other
# The board's measures come from the game's own header.
readonly geometry_h="$(dirname "$0")/../../engine/Geometry.h"
measure() { sed -n "s/^constexpr int $1 = \([0-9]*\);.*/\1/p" "$geometry_h"; }
board_size() { sed -n "s/^constexpr TBoardSize $1{\([0-9]*\), \([0-9]*\)};/\1 \2/p" "$geometry_h"; }
readonly cell_w=$(measure CellWidth) cell_h=$(measure CellHeight)
read -r easy_rows easy_cols < <(board_size EasySize)
read -r super_rows super_cols < <(board_size SuperSize)
# The large layout's client area (the super board and its last bevel over the status panel) and
# the easy board's place in it, in client pixels.
readonly panel_h=24 board_left=123 board_top=100
readonly client_w=$((super_cols * cell_w + $(measure BackCellWidth) - cell_w))
readonly client_h=$((super_rows * cell_h + $(measure BackCellHeight) - cell_h + panel_h))
readonly ball_w=155 ball_h=156
readonly picture_left=104 picture_top=136 picture_w=640 picture_h=450

source "$(dirname "$0")/e2e_common.sh"

start_window_manager() {
  # The other window is a floating dialog that leaves the game in view.
  matchbox-window-manager -use_titlebar no -use_dialog_mode free -force_dialogs "$other_title" \
    >"$work/wm.log" 2>&1 &
  pids+=($!)
  wait_for 10 bash -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' \
    || fail "the window manager did not start"
}

game_window=
find_game_window() {
  game_window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Zenkara' | head -n 1) \
    || fail "the game's window did not appear"
}

is_active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]; }

activate() {
  xdotool windowactivate "$1" 2>/dev/null || true
  wait_for 10 is_active "$1" || fail "window $1 did not become active"
}

# The client area's top-left corner on the screen and its scale, found through the start picture
# the idle window shows: a board cell is cell_dw x cell_dh device pixels, and layout pixel x
# starts at device pixel round(x * cell_dw / cell_w).
client_x= client_y= cell_dw= cell_dh=
dev_x() { echo $((($1 * cell_dw * 2 + cell_w) / (2 * cell_w))); }
dev_y() { echo $((($1 * cell_dh * 2 + cell_h) / (2 * cell_h))); }
locate_client_area() {
  local X Y WIDTH HEIGHT WINDOW SCREEN w h x y
  eval "$(xdotool getwindowgeometry --shell "$game_window")"
  shot || return 1
  # Below the menu bar, only the picture is lit.
  IFS='x+' read -r w h x y < <(convert "$work/shot.ppm" -crop "${WIDTH}x$((HEIGHT - 40))+$X+$((Y + 40))" +repage \
    -fuzz 4% -format '%@' info: 2>/dev/null)
  ((w > 0 && h > 0)) || return 1
  cell_dw=$(((cell_w * w * 2 + picture_w) / (2 * picture_w)))
  cell_dh=$(((cell_h * h * 2 + picture_h) / (2 * picture_h)))
  client_x=$((X + x - $(dev_x $picture_left))) client_y=$((Y + 40 + y - $(dev_y $picture_top)))
  [[ $((w))x$((h)) == "$(($(dev_x $((picture_left + picture_w))) - $(dev_x $picture_left)))x$(($(dev_y $((picture_top + picture_h))) - $(dev_y $picture_top)))" ]]
}

shot() { import -silent -window root "$work/shot.ppm" 2>>"$work/import.log"; }

# The bounding box "WxH+X+Y" of what is not black in a rectangle of the client area, all in
# device pixels from the client area's corner, or "none".
lit_box() {
  local x=$1 y=$2 w=$3 h=$4
  convert "$work/shot.ppm" -crop "${w}x${h}+$((client_x + x))+$((client_y + y))" +repage \
    -fuzz 4% -format '%@' info: 2>/dev/null | awk -v x="$x" -v y="$y" -F'[x+]' \
    '{ if ($1 == 0 || $2 == 0) print "none"; else print $1 "x" $2 "+" $3 + x "+" $4 + y }'
}
# A rectangle of layout pixels "WxH+X+Y" in device pixels.
dev_box() {
  local left top
  left=$(dev_x "$3") top=$(dev_y "$4")
  echo "$(($(dev_x $(($3 + $1))) - left))x$(($(dev_y $(($4 + $2))) - top))+$left+$top"
}

# The play area: the client area below the status panel.
play_box() {
  local top
  top=$(dev_y "$panel_h")
  lit_box 0 "$top" "$(dev_x "$client_w")" "$(($(dev_y "$client_h") - top))"
}

# Every tile of a fresh easy board is drawn: the lit part of the play area is exactly the
# inner cells, from the first inner cell to the last one with the 5 pixels its background
# reaches into the border ring.
board_box=
board_shown() { shot && [[ $(play_box) == "$board_box" ]]; }

# Paused: nothing lit in the play area but the bouncing picture. The other window floats over
# the scaled client area: it is blacked out of the screenshot.
ball_box= other_box=
ball_only() {
  shot || return 1
  mogrify -fill black -draw "rectangle $other_box" "$work/shot.ppm"
  ball_box=$(play_box)
  [[ $ball_box != none ]] || return 1
  local w h
  IFS='x+' read -r w h _ _ <<<"$ball_box"
  ((w <= $(dev_x "$ball_w") + 1 && h <= $(dev_y "$ball_h") + 1))
}

client_crop() {
  convert "$work/shot.ppm" -crop "$(dev_x "$client_w")x$(dev_y "$client_h")+${client_x}+${client_y}" +repage "$1"
}
idle_again() { shot && client_crop "$work/now.png" && [[ $(compare -metric AE "$work/idle.png" "$work/now.png" null: 2>&1) == 0 ]]; }

game_gone() { ! kill -0 "$game_pid" 2>/dev/null; }

# --- the run ---------------------------------------------------------------------------------

# A fresh copy, so that the settings file lands beside it and nowhere else.
cp "$exe" "$work/zenkara"
cp "$(dirname "$exe")/ReadMe.txt" "$work/"

start_x_server
start_session_bus
start_window_manager

(cd "$work" && exec env QT_QPA_PLATFORM=xcb ./zenkara) >"$work/game.log" 2>&1 &
game_pid=$!
pids+=("$game_pid")
find_game_window
activate "$game_window"
# The start picture is looked for until the window has settled at the size it is given.
wait_for 10 locate_client_area || fail "the idle window shows no whole start picture"
# The window fills the 1280 x 1024 screen: the 825 x 641 layout is shown about half as large again.
((cell_dw > cell_w + cell_w / 3 && cell_dh > cell_h + cell_h / 3)) \
  || fail "the layout is not scaled to the window: cells of ${cell_dw}x$cell_dh pixels"
board_box=$(dev_box $(((easy_cols - 2) * cell_w + 5)) $(((easy_rows - 2) * cell_h + 5)) $((board_left + cell_w)) $((board_top + cell_h)))
client_crop "$work/idle.png"
echo "game window $game_window, client area at ($client_x, $client_y), cells of ${cell_dw}x$cell_dh pixels"

xdotool key F1
wait_for 10 board_shown || fail "F1 did not show the easy board at $board_box (lit: $(play_box))"
echo "easy board shown at $board_box"

xmessage -title "$other_title" -geometry +1100+900 "another window" >"$work/other.log" 2>&1 &
other_pid=$!
pids+=("$other_pid")
other_window=$(timeout 10 xdotool search --sync --onlyvisible --name "^$other_title\$" | head -n 1) \
  || fail "the other window did not appear"
# With the frame and title the window manager gives a dialog around it.
eval "$(xdotool getwindowgeometry --shell "$other_window")"
other_box="$((X - 20)),$((Y - 40)) $((X + WIDTH + 20)),$((Y + HEIGHT + 20))"
activate "$other_window"
wait_for 10 ball_only || fail "no pause screen after losing activation (lit: $ball_box)"
first_ball=$ball_box
ball_moved() { ball_only && [[ $ball_box != "$first_ball" ]]; }
wait_for 5 ball_moved \
  || fail "the pause picture does not move ($first_ball, then $ball_box)"
echo "paused: the picture moved from $first_ball to $ball_box"

# The window manager keeps a dialog in front while it is open: closing it hands activation back.
kill "$other_pid"
activate "$game_window"
wait_for 10 board_shown || fail "the board did not come back (lit: $(play_box))"
echo "board back after activation"

xdotool key F8
wait_for 10 idle_again || fail "giving up did not return to the start picture"
echo "gave up: the start picture is back"

xdotool key Delete
wait_for 10 game_gone || fail "Del did not close the game"
wait "$game_pid" || fail "the game exited with status $?"

settings=$(tr -d '\r' <"$work/Game.ini" 2>/dev/null) || fail "no Game.ini beside the executable"
expected=$'[GameIni]\nMusic=0\nSound=1\nPattern=1'
[[ $settings == "$expected" ]] || fail "Game.ini holds:
$settings"
echo "Game.ini written beside the executable with Music, Sound and Pattern"
