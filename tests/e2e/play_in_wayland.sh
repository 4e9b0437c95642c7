#!/usr/bin/env bash
# Plays a short game with the real executable as a native Wayland client of weston, nested in
# Xvfb and driven by real input: start it, press F1, take a hinted pair away with two clicks,
# lose the activation to another client and see the pause screen, get it back, ask for the
# window to be maximised with the title bar's button and play on, close with Del.
#
# Usage: play_in_wayland.sh <built executable>
# Exits 77 (skipped) only when Xvfb or weston cannot be started here.
set -euo pipefail

readonly exe=$1
readonly screen_w=1280 screen_h=1024 desktop=ff00ff
# The large layout's client area, the easy board and the start picture in client pixels.
readonly client_w=825 client_h=641 panel_h=24
readonly cell_w=41 cell_h=51 easy_rows=9 easy_cols=14 board_left=123 board_top=100
readonly picture_left=104 picture_top=136 picture_size=640x450
# Qt's title bar: how far its maximise button sits from the window's top-right corner.
readonly maximise_from_right=40 maximise_from_top=15

source "$(dirname "$0")/e2e_common.sh"

start_weston() {
  command -v weston >/dev/null || skip "weston is not installed"
  export XDG_RUNTIME_DIR=$work/run
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  # The pointer is drawn the same on every machine: from a cursor folder of the test's own that
  # holds no theme, weston and the game both fall back to the cursors built into the Wayland
  # library, at a pinned size. A desktop's themes (a shadowed pointer, larger sizes) stay out.
  export XCURSOR_PATH=$work/cursors XCURSOR_THEME=zenkara-e2e XCURSOR_SIZE=24
  mkdir "$XCURSOR_PATH"
  printf '[core]\nidle-time=0\n[shell]\nbackground-color=0xff%s\npanel-position=none\nlocking=false\nanimation=none\nstartup-animation=none\nfocus-animation=none\ncursor-theme=%s\ncursor-size=%s\n' \
    "$desktop" "$XCURSOR_THEME" "$XCURSOR_SIZE" >"$work/weston.ini"
  weston --config="$work/weston.ini" --backend=x11-backend.so --use-pixman \
    --width=$screen_w --height=$screen_h --socket=zenkara-e2e >"$work/weston.log" 2>&1 &
  weston_pid=$!
  pids+=("$weston_pid")
  socket_or_gone() { [[ -S $XDG_RUNTIME_DIR/zenkara-e2e ]] || ! kill -0 "$weston_pid" 2>/dev/null; }
  wait_for 20 socket_or_gone || true
  if [[ ! -S $XDG_RUNTIME_DIR/zenkara-e2e ]]; then
    echo "SKIP: weston could not start:"
    tail -n 20 "$work/weston.log"
    exit $SKIPPED
  fi
  export WAYLAND_DISPLAY=zenkara-e2e
}

shot() { import -silent -window root "$work/shot.ppm" 2>>"$work/import.log"; }
# The bounding box "WxH+X+Y" of what is not black in a screen rectangle, or "none".
lit_box() {
  convert "$work/shot.ppm" -crop "$3x$4+$1+$2" +repage -fuzz 4% -format '%@' info: 2>/dev/null |
    awk -v x="$1" -v y="$2" -F'[x+]' '{ if ($1 == 0 || $2 == 0) print "none"; else print $1 "x" $2 "+" $3 + x "+" $4 + y }'
}

# The bounding box of what is not the desktop's colour, but for the screen's top-left corner,
# where the pointer waits while the window is looked for.
readonly pointer_corner=32
not_desktop() {
  convert "$work/shot.ppm" -fill "#$desktop" -draw "rectangle 0,0 $pointer_corner,$pointer_corner" \
    -fuzz 1% -fill black -opaque "#$desktop" -format '%@' info: 2>/dev/null
}

# The game's window with its decoration.
win_x= win_y= win_w= win_h=
locate_window() {
  shot || return 1
  IFS='x+' read -r win_w win_h win_x win_y < <(not_desktop)
  ((win_w >= client_w && win_h > client_h))
}

# The client area, found through the start picture the idle window shows.
client_x= client_y=
locate_client_area() {
  # Inside the decoration's edges, below its title and the menu bar.
  local top=$((win_y + 60)) w h x y
  IFS='x+' read -r w h x y < <(lit_box "$((win_x + 5))" "$top" "$((win_w - 10))" "$((win_h - 65))")
  [[ ${w}x$h == "$picture_size" ]] || return 1
  client_x=$((x - picture_left)) client_y=$((y - picture_top))
}

# Inner cell (column, row) of the easy board, on the screen.
cell_x() { echo $((client_x + board_left + $1 * cell_w)); }
cell_y() { echo $((client_y + board_top + $2 * cell_h)); }
readonly inner_w=$(((easy_cols - 2) * cell_w)) inner_h=$(((easy_rows - 2) * cell_h))
inner_crop() { convert "$work/shot.ppm" -crop "${inner_w}x${inner_h}+$(cell_x 1 1)+$(cell_y 1 1)" +repage "$1"; }
# Every tile of a fresh board is drawn: the inner cells are lit, with the 5 pixels their
# backgrounds reach into the empty ring, and nothing else of the ring is.
board_shown() {
  shot && [[ $(lit_box "$(cell_x 1 1)" "$(cell_y 1 1)" "$((inner_w + 20))" "$((inner_h + 20))") == \
    "$((inner_w + 5))x$((inner_h + 5))+$(cell_x 1 1)+$(cell_y 1 1)" ]]
}
# What share of the inner cells is lit: about all of it while the board shows.
lit_share() {
  convert "$work/shot.ppm" -crop "${inner_w}x${inner_h}+$(cell_x 1 1)+$(cell_y 1 1)" +repage \
    -fuzz 4% -fill black -opaque black -fill white +opaque black -colorspace gray -format '%[fx:int(100*mean)]' info:
}

# The cells the hint frames: the cells that changed much, averaged one value per cell.
hinted_cells() {
  convert "$work/before.ppm" "$work/after.ppm" -compose difference -composite \
    -crop "${inner_w}x${inner_h}+$(cell_x 1 1)+$(cell_y 1 1)" +repage -colorspace gray -filter box \
    -resize "$((easy_cols - 2))x$((easy_rows - 2))!" -depth 8 txt:- |
    awk -F'[,:() ]+' 'NR > 1 && $3 > 8 { print $1 + 1, $2 + 1 }'
}
# A taken cell is black but for the 5 pixels its neighbours' backgrounds reach into it.
cell_empty() { shot && [[ $(lit_box "$(($(cell_x "$1" "$2") + 5))" "$(($(cell_y "$1" "$2") + 5))" 36 46) == none ]]; }
click_cell() { xdotool mousemove "$(($(cell_x "$1" "$2") + 20))" "$(($(cell_y "$1" "$2") + 25))" click 1; }
park_pointer() { xdotool mousemove $((win_x + 10)) $((win_y + 8)); }

game_gone() { ! kill -0 "$game_pid" 2>/dev/null; }

# --- the run ---------------------------------------------------------------------------------

cp "$exe" "$work/zenkara"
start_x_server "${screen_w}x$screen_h"
start_session_bus
start_weston
# The pointer is sent to its corner with each look: weston may draw it anywhere until it moves.
desktop_only() { xdotool mousemove 0 0 && shot && [[ $(not_desktop) == 0x0+* ]]; }
wait_for 20 desktop_only || fail "weston shows no empty desktop"

# In a sanitizer build, allocations are traced through the system libraries too (the EGL driver
# is unloaded before the leak check), so that what Qt's Wayland plugin keeps is known as its own.
(cd "$work" && exec env QT_QPA_PLATFORM=wayland ASAN_OPTIONS="${ASAN_OPTIONS:-}:fast_unwind_on_malloc=0" ./zenkara) \
  >"$work/game.log" 2>&1 &
game_pid=$!
pids+=("$game_pid")
wait_for 20 locate_window || fail "the game's window did not appear"
# Looked for again with each try: a window may still be settling when it is first seen.
window_with_picture() { locate_window && locate_client_area; }
wait_for 10 window_with_picture || fail "no start picture in the window at ${win_w}x$win_h+$win_x+$win_y"
park_pointer
echo "window ${win_w}x$win_h+$win_x+$win_y, client area at ($client_x, $client_y)"
xdotool mousemove $((win_x + win_w / 2)) $((win_y + 8)) click 1

xdotool key F1
wait_for 10 board_shown || fail "F1 did not show the easy board"
echo "easy board shown"

shot && cp "$work/shot.ppm" "$work/before.ppm"
xdotool key F5
hint_framed() { shot && cp "$work/shot.ppm" "$work/after.ppm" && (($(hinted_cells | wc -l) == 2)); }
wait_for 5 hint_framed || fail "F5 framed no pair ($(hinted_cells | tr '\n' ' '))"
mapfile -t pair < <(hinted_cells)
for cell in "${pair[@]}"; do click_cell $cell; sleep 0.3; done
park_pointer
pair_gone() { cell_empty ${pair[0]} && cell_empty ${pair[1]}; }
wait_for 5 pair_gone || fail "the hinted pair (${pair[*]}) was not taken away"
echo "hinted pair (${pair[0]}) and (${pair[1]}) taken away"

weston-flower >"$work/other.log" 2>&1 &
other_pid=$!
pids+=("$other_pid")
# The other window may cover part of the board; the pause screen blacks out the rest.
paused() { shot && (($(lit_share) < 50)); }
wait_for 10 paused || fail "no pause screen after another client took the activation"
inner_crop "$work/pause1.png"
ball_moves() { shot && inner_crop "$work/pause2.png" && [[ $(compare -metric AE "$work/pause1.png" "$work/pause2.png" null: 2>&1) != 0 ]]; }
wait_for 5 ball_moves || fail "the pause picture does not move"
echo "paused with the picture moving"
kill "$other_pid"
board_back() { shot && (($(lit_share) > 90)); }
wait_for 10 board_back || { xdotool mousemove $((win_x + win_w / 2)) $((win_y + 8)) click 1; wait_for 10 board_back; } ||
  fail "the board did not come back"
echo "board back after activation"

xdotool mousemove $((win_x + win_w - maximise_from_right)) $((win_y + maximise_from_top)) click 1
maximised() { locate_window && ((win_w == screen_w && win_h == screen_h)); }
wait_for 10 maximised || fail "the maximise button did not maximise (window ${win_w}x$win_h)"
game_gone && fail "the game ended when maximised"
park_pointer
# Still playable: a hint frames two cells, both within the centred client area (looked for
# below the status panel, whose countdown bar moves).
readonly board_below=$(((screen_h - client_h) / 2 + 100))
changed_box() {
  shot && convert "$work/before.ppm" "$work/shot.ppm" -compose difference -composite -crop "${screen_w}x$((screen_h - board_below))+0+$board_below" \
    +repage -fuzz 4% -format '%@' info: 2>/dev/null
}
# The first frames after the resize show the board stretched, the crisp one follows when the
# resizing settles: the hint is looked for once the board stays as it is.
board_still() { shot && cp "$work/shot.ppm" "$work/before.ppm" && sleep 0.3 && [[ $(changed_box) == 0x0+* ]]; }
wait_for 5 board_still || fail "the maximised board does not settle (changed: $(changed_box))"
xdotool key F5
hint_shown() { local w x; IFS='x+' read -r w _ x _ < <(changed_box); ((w > 0 && x > (screen_w - client_w) / 2 && x + w < (screen_w + client_w) / 2)); }
wait_for 5 hint_shown || fail "no hint in the maximised window (changed: $(changed_box))"
echo "maximised: the game runs on, a hint framed at $(changed_box) in the centred client area"

xdotool key Delete
# The pair's points are a high score: the name entry asks, and Enter records it.
wait_for 3 game_gone || xdotool key Return
wait_for 10 game_gone || fail "Del did not close the game"
wait "$game_pid" || fail "the game exited with status $?"
echo "Del closed the game with status 0"
