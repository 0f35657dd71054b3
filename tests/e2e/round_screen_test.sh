#!/usr/bin/env bash
# With --on-screen-messages, under a window manager, a round reads from the window alone: the start line stays, the
# pause line stays after Space and after minimising, F1 pauses and its closing continues, a burst of toggles shows
# every line, a short shower survived ends the round with its time, Enter starts the next one, and the best time is
# kept between runs through files that cannot be read or written.
source "$(dirname "$0")/lib.sh"

launch_with_messages() {
  exec "$GAME_DIR/velmora" --on-screen-messages </dev/null >"$OUTPUT" 2>"$ERRORS"
}

# Pixels of the text's white in a strip of the window: the state line's at the bottom, the panel's under the hearts.
white_pixels() {
  window_snapshot "$1"
  convert "$WORK/$1.png" -gravity "$2" -crop "$3" +repage -fill black +opaque white -format '%[fx:mean*w*h]' info:
}
state_line_pixels() {
  white_pixels "$1" south "50%x8%+0+0"
}

# The shower clock stops while paused, so a short shower needs the keys quickly; the text scales with the height.
set_window() {
  printf 'false\n%s\n%s\n' "$1" "$2" >"$GAME_DIR/Config/fullscreenConfig.txt"
}

# Waits until the game has printed the given number of lines.
wait_for_lines() {
  for _ in $(seq 300); do
    [ "$(wc -l <"$OUTPUT")" -ge "$1" ] && return 0
    sleep 0.1
  done
  fail "$CASE: fewer than $1 lines"
}

# Presses each key and waits for the game's answer, one more line each.
press_and_hear() {
  for key in "$@"; do
    local lines
    lines="$(wc -l <"$OUTPUT")"
    press_key "$key" 0.1
    wait_for_lines $((lines + 1))
  done
}

CASE="the start line, the pause line and F1 stay past the panel's 5 s"
start_window_manager
prepare_game
set_window 640 360
start_game launch_with_messages
sleep 6
[ "$(state_line_pixels start)" -gt 40 ] || fail "$CASE: no start line after 6 s"
press_and_hear space
sleep 6
[ "$(state_line_pixels paused)" -gt 40 ] || fail "$CASE: no pause line 6 s after Space"
press_and_hear space
xdotool windowminimize --sync "$WINDOW_ID"
wait_for_lines 4
sleep 1
xdotool windowactivate --sync "$WINDOW_ID"
sleep 6
[ "$(state_line_pixels restored)" -gt 40 ] || fail "$CASE: no pause line 6 s after minimise and restore"
# F1 continues only what it paused itself.
press_and_hear space F1 F1 space
press_key F1 0.1
press_and_hear space
press_key F1 0.1
[ "$(tr '\n' , <"$OUTPUT")" == "$WORK/data/velmora/best-time - no best time kept yet,pause game,continue game,\
pause game,continue game,pause game,continue game,pause game,continue game," ] || fail "$CASE: lines"

CASE="a burst of ten toggles is scrolled through, each line shown a while"
press_and_hear space
for key in F9 F9 F9 F9 F9 F9 F9 F9 F9 F9; do
  press_key "$key" 0.05
done
wait_for_lines 20
# Dropped rather than scrolled, every line would have gone 5 s after the burst.
sleep 7
[ "$(white_pixels burst northwest "50%x20%+0+72")" -gt 40 ] || fail "$CASE: the panel is empty 7 s after the burst"
press_key Escape 0.1
wait_for_exit 30
expect_status 0
[ "$(tail -n +10 "$OUTPUT" | tr '\n' ,)" == "pause game,$(printf \
'deactivate transparency,activate transparency,%.0s' 1 2 3 4 5)" ] || fail "$CASE: lines"

# Plays one round of a short shower to its survived end; a rock seldom falls where the player stands, and even three
# hits would leave a life.
play_short_shower() {
  printf '2\n%s\n' "$1" >"$GAME_DIR/Config/asteroidSpawnerConfig.txt"
  start_game launch_with_messages
  press_key Return 0.3
  wait_for_line "You survived! ([123] lives remaining)" 60
}

CASE="a short shower survived ends the round with its time; Enter starts a new one"
play_short_shower 3
sleep 6
[ "$(state_line_pixels survived)" -gt 40 ] || fail "$CASE: no survived line 6 s after the end"
press_and_hear Return
press_key Escape 0.1
wait_for_exit 30
expect_status 0
sed -n '2s/([123] /(N /;3s/[0-9.]* s$/T s/;2,5p' "$OUTPUT" >"$WORK/end.txt"
[ "$(tr '\n' , <"$WORK/end.txt")" == "You survived! (N lives remaining),Round time: T s,New best time!,new round," ] ||
  fail "$CASE: lines"
best="$(sed -n 's/^Round time: \([0-9.]*\) s$/\1/p' "$OUTPUT")"
[ "$(cut -d ' ' -f 1,2 "$XDG_DATA_HOME/velmora/best-time")" == "2 3" ] || fail "$CASE: no best time kept"
[ -z "$(ls "$XDG_DATA_HOME/velmora" | grep -vx best-time)" ] || fail "$CASE: a temporary file is left"

CASE="the best time is read back at the next start"
play_short_shower 3
press_key Escape 0.1
wait_for_exit 30
grep -q "^You survived! ([123] lives remaining)$" <(head -n 1 "$OUTPUT") || fail "$CASE: a line about the file"
grep -q "^Round time: [0-9.]* s (best $best s)$" "$OUTPUT" || fail "$CASE: not against the best of $best s"

# A best time of half a second for a shower of one second, which every round beats.
OLD_BEST="2 1 0.5"
old_best_kept() {
  [ "$(cat "$XDG_DATA_HOME/velmora/best-time")" == "$1" ] || fail "$CASE: the file changed"
}

CASE="a corrupt best-time file is named once and left as it is"
printf 'not a time\n' >"$XDG_DATA_HOME/velmora/best-time"
play_short_shower 1
press_key Escape 0.1
wait_for_exit 30
[ "$(grep -c best-time "$OUTPUT")" -eq 1 ] || fail "$CASE: not one line"
grep -qx "$XDG_DATA_HOME/velmora/best-time - Error: not a best-time file; it is left as it is" "$OUTPUT" ||
  fail "$CASE: not named"
old_best_kept "not a time"

# The data folder a tmpfs of its own, in a mount namespace of the game's, read-only or full once the old best is in;
# what the folder holds after the game is copied out.
launch_on_small_disk() {
  exec unshare -rm sh -c 'mount -t tmpfs -o size=8k tmpfs "$1" && echo "$2" >"$1/best-time" && eval "$3" &&
    { "$4" --on-screen-messages </dev/null >"$5" 2>"$6"; cat "$1/best-time" >"$7"; ls "$1" >>"$7"; }' sh \
    "$XDG_DATA_HOME/velmora" "$OLD_BEST" "$DISK_CHANGE" "$GAME_DIR/velmora" "$OUTPUT" "$ERRORS" "$WORK/kept.txt"
}
mkdir -p "$XDG_DATA_HOME/velmora"
for DISK_CHANGE in "mount -o remount,ro $XDG_DATA_HOME/velmora" \
  "cat /dev/zero >$XDG_DATA_HOME/velmora/filler 2>/dev/null; true"; do
  CASE="a best time that cannot be written keeps the old one: $DISK_CHANGE"
  printf '2\n1\n' >"$GAME_DIR/Config/asteroidSpawnerConfig.txt"
  start_game launch_on_small_disk
  press_key Return 0.3
  wait_for_line "New best time!" 60
  press_key Escape 0.1
  wait_for_exit 30
  grep -q "^$XDG_DATA_HOME/velmora/best-time - Error: cannot save the best time: " "$OUTPUT" || fail "$CASE: no line"
  grep -q "^Round time: [0-9.]* s (best 0.5 s)$" "$OUTPUT" || fail "$CASE: the old best was not read"
  [ "$(grep -vx filler "$WORK/kept.txt" | tr '\n' ,)" == "$OLD_BEST,best-time," ] ||
    fail "$CASE: the folder holds $(cat "$WORK/kept.txt")"
done

finish
