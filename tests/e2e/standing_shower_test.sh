#!/usr/bin/env bash
# Slow frames are no shelter: the real game, played by the benchmark's fixed-frame harness at 0.5 s and 1 s a
# frame, loses all three lives to a dense shower over a player who stands still, as it does at 60 frames a second.
source "$(dirname "$0")/lib.sh"

BENCHMARK="$(dirname "$GAME_SOURCE")/velmora_benchmark"
for frame_time in 0.5 1; do
  CASE="a standing player under a dense shower at $frame_time s a frame"
  (cd "$WORK" && timeout 120 "$BENCHMARK" --standing-shower "$frame_time" </dev/null >"$OUTPUT" 2>"$ERRORS")
  STATUS=$?
  expect_status 0
  expect_first_lines "You lost! (0 lives remaining)"
  grep -q "^standing shower at $frame_time s frames: lives 0 after " "$OUTPUT" || fail "$CASE: lives left"
done

finish
