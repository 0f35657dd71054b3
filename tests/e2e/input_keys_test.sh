#!/usr/bin/env bash
# Real key presses reach the game: every toggle prints its exact line in order, and walking changes the picture.
# Under a window manager, minimising pauses the game, and Alt+Enter switches fullscreen without starting the shower
# and back to the window's own place, however fast it is pressed.
source "$(dirname "$0")/lib.sh"

launch_fullscreen() {
  exec "$GAME_DIR/velmora" --fullscreen </dev/null >"$OUTPUT" 2>"$ERRORS"
}

CASE="toggle keys print their lines in order"
prepare_game
start_game
tap_keys_and_quit F2 F3 F4 F5 F6 F7 F8 F9 F10 F11 space F3 space
expect_status 0
grep -v -e '^fps: ' -e '^Number of rendered objects: ' "$OUTPUT" >"$WORK/toggles.txt"
expected="start displaying framerate
changing to wireframe-mode
changing Texture-Sampling-Quality to GL_NEAREST
deactivate mip-mapping
activate edge-mode
start printing number of rendered objects
deactivate view-frustum-culling
deactivate transparency
deactivate sun-movement
activate backface-culling
pause game
changing to wireframe-mode
continue game"
[ "$(cat "$WORK/toggles.txt")" == "$expected" ] || fail "$CASE: toggle lines differ: $(cat "$WORK/toggles.txt")"
grep -q '^fps: [0-9]' "$OUTPUT" || fail "$CASE: no frame-rate line"
grep -qx 'Number of rendered objects: [0-9]*' "$OUTPUT" || fail "$CASE: no object-count line"

CASE="the mouse is pulled back to the window's centre, also while paused"
prepare_game
start_game
press_key space 0.1
wait_for_line "pause game"
eval "$(xdotool getwindowgeometry --shell "$WINDOW_ID")"
centre_x=$((X + WIDTH / 2))
centre_y=$((Y + HEIGHT / 2))
xdotool mousemove $((centre_x + 120)) $((centre_y + 40))
# The game pulls the cursor back at its next event poll, which on a loaded machine can be a second or more away.
for _ in $(seq 100); do
  eval "$(xdotool getmouselocation --shell)"
  [ "$X" -eq "$centre_x" ] && [ "$Y" -eq "$centre_y" ] && break
  sleep 0.1
done
[ "$X" -eq "$centre_x" ] && [ "$Y" -eq "$centre_y" ] || fail "$CASE: cursor at $X,$Y, not at $centre_x,$centre_y"
press_key Escape 0.1
wait_for_exit 30
expect_status 0

CASE="holding W walks the character"
prepare_game
start_game
press_key F10 0.1
wait_for_line "deactivate sun-movement"
# The power-ups can appear and bob at any time; paused, nothing but the character's walk can change the picture.
press_key space 0.1
wait_for_line "pause game"
sleep 1
window_snapshot before
sleep 0.5
window_snapshot still
[ "$(changed_pixels before still)" -lt 500 ] || fail "$CASE: the picture changes with nothing moving"
press_key space 0.1
wait_for_line "continue game"
press_key w 1.5
sleep 0.5
window_snapshot after
[ "$(changed_pixels before after)" -gt 20000 ] || fail "$CASE: holding W changed little on the window"
press_key Escape 0.1
wait_for_exit 30
expect_status 0

# Started fullscreen, the window it leaves for is the settings file's size, centred, never the fullscreen size.
CASE="a game started fullscreen leaves it for the settings file's size"
prepare_game
start_game launch_fullscreen
press_key F10 0.1
wait_for_line "deactivate sun-movement"
wait_for_place "0,0 1920x1080 " || fail "$CASE: not fullscreen but $(window_place)"
press_alt_enter
wait_for_place "320,180 1280x720 " || fail "$CASE: not centred at 1280x720 but $(window_place)"
tap_keys_and_quit
expect_status 0

CASE="Alt+Enter switches to fullscreen and back without starting the shower; minimising pauses until Space"
start_window_manager
prepare_game
printf '500\n60\n' >"$GAME_DIR/Config/asteroidSpawnerConfig.txt"
start_game
press_key F7 0.1
wait_for_line "start printing number of rendered objects"
windowed="$(window_place)"
for expected in "0,0 1920x1080 " "$windowed"; do
  press_alt_enter
  wait_for_place "$expected" 10 || fail "$CASE: not $expected but $(window_place)"
done
# Shown again, the game waits for Space; minimised while paused, it stays paused.
xdotool windowminimize --sync "$WINDOW_ID"
wait_for_line "pause game"
xdotool windowactivate --sync "$WINDOW_ID"
sleep 1
press_key space 0.1
wait_for_line "continue game"
press_key space 0.1
sleep 1
xdotool windowminimize --sync "$WINDOW_ID"
xdotool windowactivate --sync "$WINDOW_ID"
press_key Escape 0.1
wait_for_exit 30
expect_status 0
[ "$(grep -v '^Number of rendered objects: ' "$OUTPUT" | tr '\n' ,)" == \
  "start printing number of rendered objects,pause game,continue game,pause game," ] || fail "$CASE: lines"
[ "$(largest_count_after "start printing number of rendered objects")" -lt 50 ] || fail "$CASE: the shower started"

# Presses faster than the window manager switches: however many it took, the window comes back to its own place.
CASE="a burst of Alt+Enter presses keeps the window's place"
prepare_game
start_game
press_key F10 0.1
wait_for_line "deactivate sun-movement"
windowed="$(window_place)"
xdotool windowfocus --sync "$WINDOW_ID" key --delay 30 --repeat 10 alt+Return
for _ in 1 2 3; do
  wait_for_place "$windowed" 3 && break
  press_alt_enter
done
[ "$(window_place)" == "$windowed" ] || fail "$CASE: not $windowed but $(window_place)"
tap_keys_and_quit
expect_status 0

finish
