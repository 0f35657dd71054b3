#!/usr/bin/env bash
# Runs a command under an X server of its own, so that parallel tests never share a display or its input focus.
# Xvfb picks a free display number itself and reports it, which avoids races between tests starting together;
# -noreset keeps the server up between the runs of one test, where each game is its only client.
set -u
# Listing a test program's tests, as ctest does to find them, draws nothing and needs no display.
for argument in "$@"; do
  [ "$argument" = --gtest_list_tests ] && exec "$@"
done
display_file="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null; wait $xvfb_pid 2>/dev/null; rm -f "$display_file"' EXIT
for _ in $(seq 100); do
  [ -s "$display_file" ] && break
  if ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "Xvfb did not start" >&2
    exit 1
  fi
  sleep 0.1
done
display="$(head -n 1 "$display_file")"
[ -n "$display" ] || { echo "Xvfb reported no display" >&2; exit 1; }
DISPLAY=":${display}" "$@"
