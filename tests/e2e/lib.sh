# Shared steps of the end-to-end tests: each test copies the built game into a folder of its own, changes the data
# there, runs the real executable and checks its exact console lines and exit status.
set -u

GAME_SOURCE="$1"
# A Windows build's game runs under Wine: VELMORA_WINE_RUNNER names the runner and its Wine prefix.
GAME_NAME=velmora
GAME_RUNNER=()
if [[ "$GAME_SOURCE" == *.exe ]]; then
  GAME_NAME=velmora.exe
  read -r -a GAME_RUNNER <<<"$VELMORA_WINE_RUNNER"
fi
WORK="$(mktemp -d /tmp/velmora-e2e-XXXXXX)"
WM_PID=""
trap 'rm -rf "$WORK"; [ -z "$WM_PID" ] || kill "$WM_PID" 2>/dev/null' EXIT
GAME_DIR="$WORK/game"
OUTPUT="$WORK/output.txt"
# Standard error apart: the game's console lines are all on standard output.
ERRORS="$WORK/errors.txt"
failures=0
# The player's own settings folder is $XDG_CONFIG_HOME/velmora: empty unless a test fills it, so that no settings
# of the machine's user take the place of the game's.
export XDG_CONFIG_HOME="$WORK/settings"
# The best time goes to $XDG_DATA_HOME/velmora, here and never in the real home.
export XDG_DATA_HOME="$WORK/data"
OWN_SETTINGS="$XDG_CONFIG_HOME/velmora"

# A fresh copy of the executable with its run-time folders.
prepare_game() {
  rm -rf "$GAME_DIR"
  mkdir -p "$GAME_DIR"
  cp "$GAME_SOURCE" "$GAME_DIR/$GAME_NAME"
  local bin_dir
  bin_dir="$(dirname "$GAME_SOURCE")"
  for folder in Config Shaders Textures SceneObjects Sounds; do
    cp -r "$bin_dir/$folder" "$GAME_DIR/$folder"
  done
}

# Runs the game with the given arguments from another working directory, with no terminal on standard input,
# until it ends by itself.
run_game() {
  (cd "$WORK" && timeout 60 "${GAME_RUNNER[@]}" "$GAME_DIR/$GAME_NAME" "$@" </dev/null >"$OUTPUT" 2>"$ERRORS")
  STATUS=$?
}

fail() {
  echo "FAIL: $*"
  echo "--- output ---"
  cat "$OUTPUT"
  echo "--- standard error ---"
  cat "$ERRORS" 2>/dev/null
  echo "--------------"
  failures=$((failures + 1))
}

expect_status() {
  [ "$STATUS" -eq "$1" ] || fail "$CASE: exit status $STATUS, expected $1"
}

# The output must be exactly these lines.
expect_output() {
  local expected
  expected="$(printf '%s\n' "$@")"
  [ "$(cat "$OUTPUT")" == "$expected" ] || fail "$CASE: output differs from: $expected"
}

expect_first_lines() {
  local expected
  expected="$(printf '%s\n' "$@")"
  [ "$(head -n $# "$OUTPUT")" == "$expected" ] || fail "$CASE: output does not start with: $expected"
}

expect_no_line_matching() {
  ! grep -q "$1" "$OUTPUT" || fail "$CASE: unexpected line matching '$1'"
}

# Replaces the shell with the game, its messages going to the output file.
launch_game() {
  exec "${GAME_RUNNER[@]}" "$GAME_DIR/$GAME_NAME" </dev/null >"$OUTPUT" 2>"$ERRORS"
}

# Starts the game in the background and waits until its window is mapped; sets GAME_PID and WINDOW_ID. A test
# that wants other standard streams names its own launcher, which must exec the game like launch_game.
start_game() {
  (cd "$WORK" && "${1:-launch_game}") &
  GAME_PID=$!
  WINDOW_ID=""
  for _ in $(seq 600); do
    WINDOW_ID="$(xdotool search --onlyvisible --name '^Velmora$' 2>/dev/null | head -n 1)"
    [ -n "$WINDOW_ID" ] && break
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.1
  done
  [ -n "$WINDOW_ID" ] || fail "$CASE: the game window never appeared"
}

# Real key events (XTEST) need the window focused; --window events are synthetic and ignored by the game.
press_key() {
  xdotool windowfocus --sync "$WINDOW_ID" 2>/dev/null
  xdotool keydown "$1"
  sleep "${2:-0.3}"
  xdotool keyup "$1"
}

# The window's pixels as the X server holds them, kept as a PNG.
window_snapshot() {
  xwd -silent -id "$WINDOW_ID" | convert xwd:- "$WORK/$1.png"
}

# Pixels that differ by more than a few levels between two snapshots; the camera's re-aiming each frame leaves
# sub-pixel noise even when nothing moves.
changed_pixels() {
  compare -metric AE -fuzz 4% "$WORK/$1.png" "$WORK/$2.png" null: 2>&1
}

# Taps each key in turn, then Escape, and waits for the game to end; sets STATUS.
tap_keys_and_quit() {
  for key in "$@"; do
    press_key "$key" 0.1
    sleep 0.2
  done
  press_key Escape 0.1
  wait_for_exit 30
}

# Waits until the game has printed the given line, i.e. its frame loop is polling events; the window appears
# before the set-up is done, and a slow machine can take seconds more. The optional second argument is the
# longest wait in seconds (30 by default).
wait_for_line() {
  for _ in $(seq $((${2:-30} * 10))); do
    grep -qx "$1" "$OUTPUT" && return 0
    sleep 0.1
  done
  fail "$CASE: no line '$1'"
}

# Presses the key up to ten times, 3 s apart, until the condition holds; false if it never does. Under Wine on a
# busy machine, beside another Wine program or while the window is still being mapped, a press can be lost.
press_until() {
  local key="$1"
  shift
  for _ in $(seq 10); do
    press_key "$key" 0.1
    for _ in $(seq 30); do
      "$@" && return 0
      sleep 0.1
    done
  done
  return 1
}

game_has_ended() { ! kill -0 "$GAME_PID" 2>/dev/null; }

# F7 until the game says it counts its objects, so its frame loop is taking keys.
wait_until_playing() {
  press_until F7 grep -qx "start printing number of rendered objects" "$OUTPUT" ||
    fail "$CASE: the game never took a key"
}

# Escape until the game ends, for the Windows cases that check where the game runs from and how it ends rather
# than its keys.
quit_game() {
  press_until Escape game_has_ended
  wait_for_exit 10
}

# The window's position and size as the X server has them, on one line.
window_place() {
  xdotool getwindowgeometry "$WINDOW_ID" | sed -n 's/^ *\(Position\|Geometry\): \([0-9x,]*\).*/\2/p' | tr '\n' ' '
}

# Waits up to the given seconds (5 by default) for the window to take the given place; false if it never does.
wait_for_place() {
  for _ in $(seq $((${2:-5} * 10))); do
    [ "$(window_place)" == "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

# Alt+Enter, held the way a player presses it.
press_alt_enter() {
  xdotool windowfocus --sync "$WINDOW_ID" keydown alt keydown Return sleep 0.3 keyup Return keyup alt
}

# A window manager, for the cases that iconify a window or put it fullscreen the way desktops do.
start_window_manager() {
  openbox >/dev/null 2>&1 &
  WM_PID=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  fail "$CASE: the window manager did not start"
}

# The largest object count printed after the given line; asteroids in sight raise it far above the planet, the
# player and the decoration items.
largest_count_after() {
  sed -n "/^$1\$/,\$p" "$OUTPUT" | sed -n 's/^Number of rendered objects: //p' | sort -n | tail -n 1
}

# Waits for the game started by start_game to end; kills it after the given seconds.
wait_for_exit() {
  local seconds="$1"
  for _ in $(seq $((seconds * 10))); do
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$GAME_PID" 2>/dev/null; then
    kill -9 "$GAME_PID"
    fail "$CASE: the game did not end within $seconds s"
  fi
  wait "$GAME_PID"
  STATUS=$?
}

finish() {
  if [ "$failures" -eq 0 ]; then
    echo "all cases passed"
    exit 0
  fi
  echo "$failures case(s) failed"
  exit 1
}
