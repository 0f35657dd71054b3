#!/usr/bin/env bash
# A good start opens the titled window; Escape ends the game with status 0 and no GL error on the way.
source "$(dirname "$0")/lib.sh"

CASE="escape after a good start"
prepare_game
start_game
sleep 1
press_key Escape 0.05
wait_for_exit 30
expect_status 0
expect_no_line_matching "GL ERROR DETECTED"

CASE="closing the window"
prepare_game
start_game
sleep 1
python3 "$(dirname "$0")/close_window.py" "$WINDOW_ID"
wait_for_exit 30
expect_status 0
expect_no_line_matching "GL ERROR DETECTED"

finish
