#!/usr/bin/env bash
# Every fatal path prints exactly its message (and details) and ends with status 255 without waiting for a key;
# a closed or lost standard output is no fatal path.
source "$(dirname "$0")/lib.sh"

CASE="missing fullscreen file"
prepare_game; rm "$GAME_DIR/Config/fullscreenConfig.txt"; run_game
expect_status 255; expect_output "Failed to open configuration file: Config/fullscreenConfig.txt"

CASE="capitalised first line"
prepare_game; printf 'False\n800\n600\n' >"$GAME_DIR/Config/fullscreenConfig.txt"; run_game
expect_status 255
expect_output "Config/fullscreenConfig.txt - Error occurred while reading line 1: - line 1 has to be 'true' or 'false'."

CASE="both files bad: only the fullscreen error"
prepare_game; printf 'false\n800' >"$GAME_DIR/Config/fullscreenConfig.txt"; : >"$GAME_DIR/Config/asteroidSpawnerConfig.txt"
run_game
expect_status 255; expect_output "Config/fullscreenConfig.txt - Error occurred while reading line 3: - no line"

CASE="spawner file without its second line"
prepare_game; printf '5' >"$GAME_DIR/Config/asteroidSpawnerConfig.txt"; run_game
expect_status 255; expect_output "Config/asteroidSpawnerConfig.txt - Error occurred while reading line 2: - no line"

CASE="width of letters"
prepare_game; printf 'false\nwide\n600\n' >"$GAME_DIR/Config/fullscreenConfig.txt"; run_game
expect_status 255; expect_output "Failed to open window!"

# Negative, wrapped past the int range, or beyond the largest side: GLFW and the X libraries would abort on these
# instead of refusing them.
prepare_game
for size in "false 800 -1" "false -5 600" "true 800 -1" "false 2147483648 600" "false 800 99999999999999999999" \
  "false 16385 100" "false 32767 32767" "false 2147483647 2147483647"; do
  CASE="window size ${size:0:30}"
  printf '%s\n' $size >"$GAME_DIR/Config/fullscreenConfig.txt"; run_game
  expect_status 255; expect_output "Failed to open window!"
done

# A line far longer than any value, of digits or a gigabyte of nothing, is refused before it is read whole.
CASE="settings line of a million digits"
prepare_game; { printf 'false\n800\n'; head -c 1000000 /dev/zero | tr '\0' 7; } >"$GAME_DIR/Config/fullscreenConfig.txt"
run_game
expect_status 255
expect_output "Config/fullscreenConfig.txt - Error occurred while reading line 3: - longer than 256 characters"
CASE="sparse settings file of a gigabyte"
prepare_game; rm "$GAME_DIR/Config/asteroidSpawnerConfig.txt"; truncate -s 1G "$GAME_DIR/Config/asteroidSpawnerConfig.txt"
run_game
expect_status 255
expect_output "Config/asteroidSpawnerConfig.txt - Error occurred while reading line 1: - longer than 256 characters"

CASE="the largest window side still opens"
prepare_game; printf 'false\n16384\n16\n' >"$GAME_DIR/Config/fullscreenConfig.txt"
start_game
tap_keys_and_quit
expect_status 0

CASE="shader that does not compile"
prepare_game; echo "this is not GLSL" >"$GAME_DIR/Shaders/ScreenQuadShader.frag"; run_game
expect_status 255; expect_first_lines "Failed to compile shader: Shaders/ScreenQuadShader.frag"
[ "$(wc -l <"$OUTPUT")" -ge 2 ] || fail "$CASE: no info log after the message"

CASE="missing shader file"
prepare_game; rm "$GAME_DIR/Shaders/ShadowMapping.vert"; run_game
expect_status 255; expect_output "Failed to open shader file: Shaders/ShadowMapping.vert"

# A FIFO would wait for a writer for ever with the window open: every data file is refused unless it is a regular
# file.
for file in Shaders/ShadowMapping.frag SceneObjects/Planet.obj; do
  CASE="FIFO in place of $file"
  prepare_game; rm "$GAME_DIR/$file"; mkfifo "$GAME_DIR/$file"; run_game
  expect_status 255; grep -qx "Failed to \(open shader file\|read .obj - file\): $file" "$OUTPUT" || fail "$CASE"
done

# A FIFO, cell sizes that overflow the layout, and cells past the atlas's edges (it is 128 x 119 in cells of 8 x 17).
prepare_game
table="$(tail -n +2 "$GAME_DIR/Textures/FontAtlas.txt")"
for head in "FIFO" "8 2147483647 16" "0 17 16" "300 17 16" "8 17 17" "8 34 16"; do
  CASE="glyph table $head"
  rm -f "$GAME_DIR/Textures/FontAtlas.txt"
  if [ "$head" = FIFO ]; then
    mkfifo "$GAME_DIR/Textures/FontAtlas.txt"
  else
    printf '%s\n%s\n' "$head" "$table" >"$GAME_DIR/Textures/FontAtlas.txt"
  fi
  run_game
  expect_status 255; expect_output "Failed to load glyph table! - Textures/FontAtlas.txt"
done

# Desktops show icons up to 256 x 256; one of 2048 x 2048 exceeds the longest request the X server takes.
CASE="window icon larger than 256 x 256"
prepare_game; convert -size 257x257 xc:red "png24:$GAME_DIR/Textures/Icon64.png"; run_game
expect_status 255; expect_first_lines "Failed to load texture! - Textures/Icon64.png" "Error-code(s):"

CASE="empty mesh file"
prepare_game; : >"$GAME_DIR/SceneObjects/Screen_Quad.obj"; run_game
expect_status 255; expect_first_lines "Import failedSceneObjects/Screen_Quad.obj" \
  "Failed to read .obj - file: SceneObjects/Screen_Quad.obj"

CASE="folder in place of a mesh"
prepare_game; rm "$GAME_DIR/SceneObjects/Planet.obj"; mkdir "$GAME_DIR/SceneObjects/Planet.obj"; run_game
expect_status 255; expect_no_line_matching "GL ERROR"
grep -qx "Failed to read .obj - file: SceneObjects/Planet.obj" "$OUTPUT" || fail "$CASE: no mesh message"

CASE="truncated texture"
prepare_game; head -c 100 "$GAME_DIR/Textures/GrassTexture.png" >"$WORK/cut.png"
mv "$WORK/cut.png" "$GAME_DIR/Textures/GrassTexture.png"; run_game
expect_status 255; expect_first_lines "Failed to load texture! - Textures/GrassTexture.png" "Error-code(s):"

CASE="folder in place of a texture"
prepare_game; rm "$GAME_DIR/Textures/GrassTexture.png"; mkdir "$GAME_DIR/Textures/GrassTexture.png"; run_game
expect_status 255; expect_first_lines "Failed to load texture! - Textures/GrassTexture.png" "Error-code(s):"

CASE="missing texture"
prepare_game; rm "$GAME_DIR/Textures/DaySky.png"; run_game
expect_status 255; expect_first_lines "Failed to load texture! - Textures/DaySky.png" "Error-code(s):"
[ "$(wc -l <"$OUTPUT")" -ge 3 ] || fail "$CASE: no DevIL error code listed"

# Started with standard output closed, the frame rate must not go where the next file opened (the X connection)
# took its place.
launch_without_output() {
  exec "$GAME_DIR/velmora" </dev/null >&- 2>"$OUTPUT"
}
CASE="closed standard output"
prepare_game
start_game launch_without_output
tap_keys_and_quit F2 F10 F3
expect_status 0

# A reader that leaves after the first line: the toggles after it are dropped, the game plays on.
launch_into_first_line() {
  exec "$GAME_DIR/velmora" </dev/null 2>/dev/null > >(head -n 1 >"$OUTPUT")
}
CASE="standard output whose reader went away"
prepare_game
start_game launch_into_first_line
tap_keys_and_quit F2 F3 F8 F10
expect_status 0
expect_output "start displaying framerate"

# A reader that has stopped reading: the game plays on and Escape still ends it.
launch_into_deaf_reader() {
  exec python3 "$(dirname "$0")/deaf_reader.py" "$GAME_DIR/velmora"
}
CASE="standard output nobody reads"
prepare_game
start_game launch_into_deaf_reader
tap_keys_and_quit F2 F7 F3
expect_status 0

# The window destroyed by another client, or the connection to the X server cut: one line of the game's own, no
# lines of the X library.
for way in destroy xkill; do
  CASE="display lost by $way"
  prepare_game
  start_game
  press_key F10 0.1
  wait_for_line "deactivate sun-movement"
  [ "$way" = destroy ] && python3 "$(dirname "$0")/close_window.py" "$WINDOW_ID" destroy
  [ "$way" = xkill ] && xkill -id "$WINDOW_ID" >/dev/null
  wait_for_exit 30
  expect_status 255; expect_output "deactivate sun-movement" "Lost the display!"
  ! grep -q "X Error\|X connection\|XIO" "$ERRORS" || fail "$CASE: the X library's lines on standard error"
done

# Standard output is shared with the shell: a signal in the middle of a write must find its mode as it was.
CASE="signal during a write"
output_mode="$( { env -u DISPLAY strace -f -o /dev/null -e trace=write -e inject=write:signal=SIGTERM \
  "$GAME_DIR/velmora" </dev/null 2>/dev/null; sed -n 's/^flags:\t*//p' /proc/self/fdinfo/1; } 2>/dev/null | tail -n 1)"
[ $((8#$output_mode & 8#4000)) -eq 0 ] || fail "$CASE: standard output left non-blocking ($output_mode)"

finish
