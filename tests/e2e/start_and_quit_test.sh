#!/usr/bin/env bash
# A good start opens the titled window, of class velmora and with the icon the build draws; Escape ends the game with
# status 0 and no GL error on the way.
source "$(dirname "$0")/lib.sh"

# A player's gamepad mappings, one good line among lines GLFW cannot read.
launch_with_pad_mappings() {
  SDL_GAMECONTROLLERCONFIG="$(printf '%s\n' 'not a mapping' \
    '03000000aaaa0000bbbb000000000000,Test Pad,a:b0,b:b1,back:b6,start:b7,leftx:a0,lefty:a1,platform:Linux,' \
    'ffffffffffffffffffffffffffffffff,,,,,')" launch_game
}

CASE="escape after a good start"
prepare_game
start_game
# The icons (16 to 64 pixels) come once the game is set up; the first ARGB pixel is the drawn icon's top-left.
for _ in $(seq 300); do
  xprop -id "$WINDOW_ID" _NET_WM_ICON | grep -q 'Icon (64 x 64)' && break
  sleep 0.1
done
[ "$(xprop -id "$WINDOW_ID" WM_CLASS)" == 'WM_CLASS(STRING) = "velmora", "velmora"' ] || fail "$CASE: window class"
[ "$(xprop -id "$WINDOW_ID" -notype -f _NET_WM_ICON 32c '$2\n' _NET_WM_ICON)" == \
  "_NET_WM_ICON$((0xFF$(convert "$GAME_DIR/Textures/Icon16.png" -format '%[hex:p{0,0}]' info:)))" ] ||
  fail "$CASE: icon pixels"
press_key Escape 0.05
wait_for_exit 30
expect_status 0
expect_no_line_matching "GL ERROR DETECTED"

CASE="gamepad mappings in SDL_GAMECONTROLLERCONFIG without a pad change nothing"
prepare_game
start_game launch_with_pad_mappings
sleep 1
press_key Escape 0.05
wait_for_exit 30
expect_status 0
expect_output

CASE="closing the window"
prepare_game
start_game
sleep 1
python3 "$(dirname "$0")/close_window.py" "$WINDOW_ID"
wait_for_exit 30
expect_status 0
expect_no_line_matching "GL ERROR DETECTED"

finish
