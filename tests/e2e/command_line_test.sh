#!/usr/bin/env bash
# --help and --version answer on standard output with status 0, or status 1 and a message on standard error when
# they cannot; an unknown option or any other argument is named on standard error with a pointer to --help,
# status 2. The game's own options or none start the game (start_and_quit_test.sh, user_settings_test.sh).
source "$(dirname "$0")/lib.sh"

TRY="Try 'velmora --help' for more information."
VERSION="$(sed -n '1s/^velmora (\([^)]*\)).*/\1/p' "$(dirname "$0")/../../packaging/changelog")"
# Without a display, an argument that started the game would end in its fatal error instead.
unset DISPLAY
prepare_game

CASE="--help"
run_game --help
expect_status 0
expect_first_lines "Usage: velmora [--fullscreen | --window] [--on-screen-messages]"
# The folders named are the ones this copy of the game reads from; every control of the table is listed.
for text in "W A S D" "Escape" "F1 " "Alt+Enter" "--on-screen-messages" "fullscreenConfig.txt" \
  "asteroidSpawnerConfig.txt" "$OWN_SETTINGS/" "$(readlink -f "$GAME_DIR")/Config/" \
  "$XDG_DATA_HOME/velmora/best-time"; do
  grep -qF -- "$text" "$OUTPUT" || fail "$CASE: the help does not mention $text"
done
awk 'length > 80 { exit 1 }' "$OUTPUT" || fail "$CASE: lines wider than 80 columns"
grep -qF '[]' "$OUTPUT" && fail "$CASE: brackets for a control the gamepad lacks"
[ -s "$ERRORS" ] && fail "$CASE: standard error is not empty"
# Without HOME and the XDG variables no folder of the player's own is read or written, so none is named.
env -u HOME -u XDG_CONFIG_HOME -u XDG_DATA_HOME "$GAME_DIR/velmora" --help | grep -qF velmora/ && fail "$CASE: a player's folder"

CASE="--version"
run_game --version
expect_status 0
expect_output "velmora $VERSION"
[ -s "$ERRORS" ] && fail "$CASE: standard error is not empty"

for option in --help --version; do
  CASE="$option into a full device"
  [ "$("$GAME_DIR/velmora" $option 2>&1 >/dev/full; echo "status $?")" == \
    $'velmora: cannot write to standard output: No space left on device\nstatus 1' ] || fail "$CASE: no failure"
done

# Each call refuses its arguments: nothing on standard output, the reason and the pointer to --help on standard
# error.
expect_refused() {
  CASE="refused: $(printf "'%s' " "${@:2}")"
  run_game "${@:2}"
  expect_status 2
  expect_output
  [ "$(cat "$ERRORS")" == "$(printf 'velmora: %s\n%s' "$1" "$TRY")" ] || fail "$CASE: not the reason and --help"
}
expect_refused "invalid option -- 'h'" -h
expect_refused "unrecognized option '--helpme'" --helpme
expect_refused "option '--version' doesn't allow an argument" --version=now
expect_refused "unexpected argument 'now'" --window now
expect_refused "unexpected argument 'play'" play
expect_refused "unexpected argument ''" ""

finish
