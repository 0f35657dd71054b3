#!/usr/bin/env bash
# With --on-screen-messages, under a window manager, a round reads from the window alone: the pause line stays after
# Space and after minimising, a burst of toggles is scrolled through, a short shower survived ends the round with its
# time, Enter starts the next, and the best time is kept between runs, also through a full or read-only disk.
source "$(dirname "$0")/lib.sh"

launch_with_messages() {
  exec "$GAME_DIR/velmora" --on-screen-messages </dev/null >"$OUTPUT" 2>"$ERRORS"
}

# Pixels of the text's white in a part of the window: the state line's at the bottom, the panel's under the hearts.
white_pixels() {
  window_snapshot "$1"
  convert "$WORK/$1.png" -gravity "$2" -crop "$3" +repage -fill black +opaque white -format '%[fx:mean*w*h]' info:
}

# Presses the key and waits until the game has printed the given number of lines.
press_for_lines() {
  press_key "$1" 0.1
  for _ in $(seq 300); do
    [ "$(wc -l <"$OUTPUT")" -ge "$2" ] && return 0
    sleep 0.1
  done
  fail "$CASE: fewer than $2 lines after $1"
}

CASE="the pause line stays past the panel's 5 s, after Space and after minimising; a burst is scrolled through"
start_window_manager
prepare_game
printf 'false\n640\n360\n' >"$GAME_DIR/Config/fullscreenConfig.txt"
start_game launch_with_messages
press_for_lines space 2
sleep 6
[ "$(white_pixels paused south 50%x8%+0+0)" -gt 40 ] || fail "$CASE: no pause line 6 s after Space"
press_for_lines space 3
xdotool windowminimize --sync "$WINDOW_ID"
sleep 1
xdotool windowactivate --sync "$WINDOW_ID"
sleep 6
[ "$(white_pixels restored south 50%x8%+0+0)" -gt 40 ] || fail "$CASE: no pause line 6 s after minimising"
press_for_lines space 5
for _ in 1 2 3 4 5 6 7 8 9 10; do
  press_key F9 0.05
done
press_for_lines F9 16
# Dropped rather than scrolled, every line would have gone 5 s after the burst.
sleep 7
[ "$(white_pixels burst northwest 50%x20%+0+72)" -gt 40 ] || fail "$CASE: the panel is empty 7 s after the burst"
press_key Escape 0.1
wait_for_exit 30
[ "$(sed -n '2,5p;$p' "$OUTPUT" | tr '\n' ,)" == \
  "pause game,continue game,pause game,continue game,deactivate transparency," ] || fail "$CASE: lines"

# Plays a short shower to its survived end; a rock seldom falls where the player stands, and three would leave a life.
play_short_shower() {
  printf '2\n%s\n' "$1" >"$GAME_DIR/Config/asteroidSpawnerConfig.txt"
  start_game "${2:-launch_with_messages}"
  press_key Return 0.3
  wait_for_line "You survived! ([123] lives remaining)" 60
}

CASE="a short shower survived ends the round with its time, kept as the best; Enter starts a new one"
play_short_shower 3
sleep 6
[ "$(white_pixels survived south 50%x8%+0+0)" -gt 40 ] || fail "$CASE: no survived line 6 s after the end"
press_for_lines Return 5
press_key Escape 0.1
wait_for_exit 30
[ "$(sed -n '2s/[123] lives/N lives/;3s/[0-9.]* s$/T s/;2,5p' "$OUTPUT" | tr '\n' ,)" == \
  "You survived! (N lives remaining),Round time: T s,New best time!,new round," ] || fail "$CASE: lines"
best="$(sed -n 's/^Round time: \([0-9.]*\) s$/\1/p' "$OUTPUT")"
[ "$(ls "$XDG_DATA_HOME/velmora")" == best-time ] || fail "$CASE: not the best-time file alone"
play_short_shower 3
press_key Escape 0.1
wait_for_exit 30
grep -q "^Round time: [0-9.]* s (best $best s)$" "$OUTPUT" || fail "$CASE: not read back as $best s at the next start"

# The data folder a tmpfs of its own in a mount namespace of the game's, holding an old best of half a second, which
# every round beats, then made read-only or full; what the folder holds after the game is copied out.
launch_on_small_disk() {
  exec unshare -rm sh -c 'mount -t tmpfs -o size=8k tmpfs "$1" && echo "2 1 0.5" >"$1/best-time" && eval "$2" &&
    { "$3" --on-screen-messages </dev/null >"$4" 2>"$5"; cat "$1/best-time" >"$6"; ls "$1" >>"$6"; }' sh \
    "$XDG_DATA_HOME/velmora" "$DISK_CHANGE" "$GAME_DIR/velmora" "$OUTPUT" "$ERRORS" "$WORK/kept.txt"
}
for DISK_CHANGE in "mount -o remount,ro $XDG_DATA_HOME/velmora" "cat /dev/zero >$XDG_DATA_HOME/velmora/full; true"; do
  CASE="a best time that cannot be written keeps the old one: $DISK_CHANGE"
  play_short_shower 1 launch_on_small_disk
  press_key Escape 0.1
  wait_for_exit 30
  grep -q "^Round time: [0-9.]* s (best 0.5 s)$" "$OUTPUT" || fail "$CASE: the old best was not read"
  grep -q "^$XDG_DATA_HOME/velmora/best-time - Error: cannot save the best time: " "$OUTPUT" || fail "$CASE: no line"
  [ "$(grep -vx full "$WORK/kept.txt" | tr '\n' ,)" == "2 1 0.5,best-time," ] || fail "$CASE: $(cat "$WORK/kept.txt")"
done

finish
