#!/usr/bin/env bash
# Each settings file in the player's folder, $XDG_CONFIG_HOME/velmora, takes the place of the installed file of
# the same name, and its messages name it; a file that is not there is read from the installed Config folder,
# whose messages stay word for word.
source "$(dirname "$0")/lib.sh"

# The file's first line gives way to the last of --fullscreen and --window, each option shortened.
launch_in_window() {
  exec "$GAME_DIR/velmora" --full --on --win </dev/null >"$OUTPUT" 2>"$ERRORS"
}
CASE="the player's file sets the window size, --window over its true"
prepare_game
mkdir -p "$OWN_SETTINGS"
printf 'true\n640\n360\n' >"$OWN_SETTINGS/fullscreenConfig.txt"
start_game launch_in_window
geometry="$(xdotool getwindowgeometry "$WINDOW_ID" | awk '/Geometry:/ { print $2 }')"
[ "$geometry" == "640x360" ] || fail "$CASE: a window of $geometry"
tap_keys_and_quit
expect_status 0

CASE="a broken file of the player's is named"
printf 'False\n640\n360\n' >"$OWN_SETTINGS/fullscreenConfig.txt"
run_game
expect_status 255
expect_output "$OWN_SETTINGS/fullscreenConfig.txt - Error occurred while reading line 1: - line 1 has to be 'true' or 'false'."

CASE="a file the player does not have is read from the installed folder"
rm "$OWN_SETTINGS/fullscreenConfig.txt"
printf '5\n' >"$OWN_SETTINGS/asteroidSpawnerConfig.txt"
printf 'false\n800' >"$GAME_DIR/Config/fullscreenConfig.txt"
run_game
expect_status 255
expect_output "Config/fullscreenConfig.txt - Error occurred while reading line 3: - no line"

CASE="the other file is still the player's"
prepare_game
run_game
expect_status 255
expect_output "$OWN_SETTINGS/asteroidSpawnerConfig.txt - Error occurred while reading line 2: - no line"

CASE="~/.config/velmora where XDG_CONFIG_HOME is not an absolute path"
# Taken as a path from the game's folder, the relative one would lead to a file of its own.
mkdir -p "$GAME_DIR/settings/velmora" "$WORK/home/.config/velmora"
printf '7
' >"$GAME_DIR/settings/velmora/asteroidSpawnerConfig.txt"
printf '2000000\n1\n' >"$WORK/home/.config/velmora/asteroidSpawnerConfig.txt"
HOME="$WORK/home" XDG_CONFIG_HOME="settings" run_game
expect_status 255
expect_output \
  "$WORK/home/.config/velmora/asteroidSpawnerConfig.txt - Error: asteroids per second times seconds must not exceed 1000000"

finish
