#!/usr/bin/env bash
# The shower through real key presses: taps made while paused do nothing, Enter starts the asteroids, the hit that
# takes the last life is reported once with a crash heard through OpenAL Soft's wave writer, and the game runs on
# until Escape. Without an audio device the game runs silently.
source "$(dirname "$0")/lib.sh"

# Every audio device the game opens is OpenAL Soft's backend of the given name, writing to $WORK/heard.wav.
use_audio_driver() {
  printf 'drivers = %s\nchannels = mono\nsample-type = int16\nfrequency = 44100\n[wave]\nfile = %s\n' \
    "$1" "$WORK/heard.wav" >"$WORK/alsoft.conf"
  export ALSOFT_CONF="$WORK/alsoft.conf"
  rm -f "$WORK/heard.wav"
}

# Waits until the game has drawn two more frames, counted by the object-count lines that F7 turned on: taps made
# before then have been polled.
wait_for_two_frames() {
  local seen
  seen="$(grep -c '^Number of rendered objects: ' "$OUTPUT")"
  for _ in $(seq 300); do
    [ "$(grep -c '^Number of rendered objects: ' "$OUTPUT")" -ge $((seen + 2)) ] && return 0
    sleep 0.1
  done
  fail "$CASE: the frames stopped"
}

CASE="taps while paused do nothing; Enter starts a shower that ends the game once"
use_audio_driver wave
prepare_game
# Software rendering takes a good part of a second per frame, so a shower that goes on for a minute still has rocks
# falling once the keys below have reached the game; three hits come within seconds of the first rocks landing.
printf '500\n60\n' >"$GAME_DIR/Config/asteroidSpawnerConfig.txt"
start_game
press_key F10 0.1
wait_for_line "deactivate sun-movement"
press_key F7 0.1
press_key space 0.1
wait_for_line "pause game"
sleep 0.5
window_snapshot paused
press_key Return 0.05
press_key w 0.3
wait_for_two_frames
press_key space 0.1
wait_for_line "continue game"
sleep 1.5
window_snapshot resumed
# A step of the character turns the whole planet under the camera; a power-up that appears or bobs meanwhile
# changes a few small patches only.
[ "$(changed_pixels paused resumed)" -lt 8000 ] || fail "$CASE: W tapped while paused walked the character"
[ "$(largest_count_after "continue game")" -lt 50 ] || fail "$CASE: Enter tapped while paused started the shower"
press_key Return 0.05
wait_for_line "You lost! (0 lives remaining)" 90
sleep 1
press_key Escape 0.1
wait_for_exit 30
expect_status 0
[ "$(grep -cx 'You lost! (0 lives remaining)' "$OUTPUT")" -eq 1 ] || fail "$CASE: the losing line is not there once"
expect_no_line_matching "GL ERROR DETECTED"
[ ! -s "$ERRORS" ] || fail "$CASE: unexpected standard error"
python3 "$(dirname "$0")/heard_sound.py" "$WORK/heard.wav" "$GAME_DIR/Sounds/Crash.wav" || fail "$CASE: no crash heard"

CASE="without an audio device the game runs silently"
use_audio_driver none
prepare_game
start_game
press_key F2 0.1
wait_for_line "start displaying framerate"
press_key Escape 0.1
wait_for_exit 30
expect_status 0
grep -v '^fps: ' "$OUTPUT" >"$WORK/lines.txt"
[ "$(cat "$WORK/lines.txt")" == "start displaying framerate" ] || fail "$CASE: standard output changed"
[ "$(cat "$ERRORS")" == "No audio device could be opened: the game runs without sound." ] ||
  fail "$CASE: standard error is not the one line"
[ ! -e "$WORK/heard.wav" ] || [ "$(stat -c %s "$WORK/heard.wav")" -eq 0 ] || fail "$CASE: something was recorded"

finish
