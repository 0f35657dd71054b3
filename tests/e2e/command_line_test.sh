#!/usr/bin/env bash
# --help and --version answer on standard output and end with status 0 without starting the game; any other
# argument is refused with the usage line on standard error and status 2. Without an argument the game starts
# (start_and_quit_test.sh).
source "$(dirname "$0")/lib.sh"

USAGE="Usage: velmora [--help | --version]"
VERSION="$(sed -n '1s/^velmora (\([^)]*\)).*/\1/p' "$(dirname "$0")/../../packaging/changelog")"
# Without a display, an argument that started the game would end in its fatal error instead.
unset DISPLAY
prepare_game

CASE="--help"
run_game --help
expect_status 0
expect_first_lines "$USAGE"
# The folders named are the ones this copy of the game reads from.
for text in "W A S D" "Escape" "fullscreenConfig.txt" "asteroidSpawnerConfig.txt" "$OWN_SETTINGS/" \
  "$(readlink -f "$GAME_DIR")/Config/"; do
  grep -qF -- "$text" "$OUTPUT" || fail "$CASE: the help does not mention $text"
done
[ -s "$ERRORS" ] && fail "$CASE: standard error is not empty"

CASE="--version"
run_game --version
expect_status 0
expect_output "velmora $VERSION"
[ -s "$ERRORS" ] && fail "$CASE: standard error is not empty"

# Each call refuses its arguments: nothing on standard output, the usage line alone on standard error.
expect_refused() {
  CASE="refused: $(printf "'%s' " "$@")"
  run_game "$@"
  expect_status 2
  expect_output
  [ "$(cat "$ERRORS")" == "$USAGE" ] || fail "$CASE: standard error is not the usage line"
}
expect_refused -h
expect_refused --helpme
expect_refused --help --version
expect_refused --version now
expect_refused play
expect_refused ""

finish
