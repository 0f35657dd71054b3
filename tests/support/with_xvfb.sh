#!/usr/bin/env bash
# Runs a command under an X server of its own, so that parallel tests never share a display or its input focus.
set -u
for display in $(seq 90 190); do
  [ -e "/tmp/.X${display}-lock" ] && continue
  Xvfb ":${display}" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X${display}" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$xvfb_pid" 2>/dev/null; then
    trap 'kill $xvfb_pid 2>/dev/null; wait $xvfb_pid 2>/dev/null' EXIT
    DISPLAY=":${display}" "$@"
    exit $?
  fi
done
echo "no free X display found" >&2
exit 1
