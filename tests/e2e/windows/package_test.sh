#!/usr/bin/env bash
# The Windows downloads under Wine: the zip's folder, unpacked into a folder named with a space and an ë, holds the
# game, its guide and licences and runs; the installer run silently (twice, over itself) installs for the current
# user, its Start menu shortcut starts the installed game with the on-screen messages, and the uninstaller run
# silently takes away every file, the shortcut and the uninstall entry, leaving the player's %APPDATA%\velmora.
# Usage: package_test.sh velmora.exe Velmora-<version>-windows-x64.zip Velmora-<version>-windows-x64-setup.exe
source "$(dirname "$0")/../lib.sh"

ZIP="$2"
SETUP="$3"
read -r -a wine_runner <<<"$VELMORA_WINE_RUNNER"
user_dir="$(echo "${wine_runner[1]}"/drive_c/users/*/AppData)"
roaming="$user_dir/Roaming"
installed="$user_dir/Local/Programs/Velmora"
menu="$roaming/Microsoft/Windows/Start Menu/Programs/Velmora"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Velmora'
trap 'rm -rf "$WORK" "$roaming/velmora"; [ -z "$WM_PID" ] || kill "$WM_PID" 2>/dev/null' EXIT
rm -rf "$roaming/velmora"

# The uninstall entry's values as "name type data" lines; nothing when there is no entry.
uninstall_entry() {
  "${wine_runner[@]}" reg query "$uninstall_key" 2>/dev/null | tr -d '\r' |
    sed -n 's/^ *\([A-Za-z]*\) *REG_\([A-Z]*\) *\(.*\)$/\1 \2 \3/p'
}

# The target and the arguments a shortcut names, one a line, from the strings of the .lnk file.
shortcut_strings() {
  python3 - "$1" <<'PYTHON'
import re, sys
data = open(sys.argv[1], "rb").read()
for text in re.findall(rb"(?:[\x20-\x7e]\x00){4,}", data):
    print(text.decode("utf-16-le"))
for text in re.findall(rb"[\x20-\x7e]{4,}", data):
    print(text.decode("ascii"))
PYTHON
}

CASE="the zip unpacked into a folder named with a space and an ë"
mkdir -p "$WORK/Zoë's games"
unzip -q "$ZIP" -d "$WORK/Zoë's games" || fail "$CASE: unzip failed"
GAME_DIR="$(echo "$WORK/Zoë's games"/Velmora-*-windows-x64)"
for file in velmora.exe README.txt LICENSE.txt Config/fullscreenConfig.txt Shaders Textures SceneObjects Sounds; do
  [ -e "$GAME_DIR/$file" ] || fail "$CASE: no $file in the zip's folder"
done
grep -q $'\r$' "$GAME_DIR/README.txt" || fail "$CASE: README.txt has no Windows line ends"
grep -q 'Assimp' "$GAME_DIR/LICENSE.txt" || fail "$CASE: LICENSE.txt lacks the libraries' licences"
start_game
wait_until_playing
quit_game
expect_status 0

CASE="the silent installer, run twice: the second replaces the first"
for _ in 1 2; do
  "${wine_runner[@]}" "$SETUP" /S </dev/null >"$OUTPUT" 2>"$ERRORS" || fail "$CASE: status $?"
done
entry="$(uninstall_entry)"
for value in "DisplayName SZ Velmora" "DisplayVersion SZ $(basename "$ZIP" | cut -d- -f2)" \
  "Publisher SZ Velmora developers"; do
  grep -qxF "$value" <<<"$entry" || fail "$CASE: no '$value' in the uninstall entry: $entry"
done
grep -qE '^DisplayIcon SZ .*\\velmora\.exe$' <<<"$entry" || fail "$CASE: no icon in the uninstall entry"
grep -qE '^EstimatedSize DWORD 0x[0-9a-f]*[1-9a-f]' <<<"$entry" || fail "$CASE: no size in the uninstall entry"
[ ! -e "$user_dir/../Desktop/Velmora.lnk" ] || fail "$CASE: a desktop shortcut nobody asked for"

CASE="the game started as the Start menu's shortcut names it"
[ -f "$menu/Velmora.lnk" ] || fail "$CASE: no shortcut in the Start menu"
strings_of_link="$(shortcut_strings "$menu/Velmora.lnk")"
target="$(grep -m1 -iE '^[A-Z]:\\.*\\velmora\.exe$' <<<"$strings_of_link")"
grep -qxF -- "--on-screen-messages" <<<"$strings_of_link" || fail "$CASE: the shortcut lacks --on-screen-messages"
GAME_DIR="$(dirname "$("${wine_runner[@]}" winepath -u "$target" 2>/dev/null)")"
[ "$GAME_DIR" -ef "$installed" ] || fail "$CASE: the shortcut names '$target', not the installed game"
launch_from_shortcut() {
  exec "${GAME_RUNNER[@]}" "$GAME_DIR/$GAME_NAME" --on-screen-messages </dev/null >"$OUTPUT" 2>"$ERRORS"
}
start_game launch_from_shortcut
wait_until_playing
quit_game
expect_status 0

CASE="the silent uninstaller"
mkdir -p "$roaming/velmora"
printf 'false\n800\n600\n' >"$roaming/velmora/fullscreenConfig.txt"
# The uninstaller copies itself away and returns at once; the copy removes the folder, then the shortcuts and
# the entry, so the checks wait for it to finish.
"${wine_runner[@]}" "$installed/Uninstall.exe" /S </dev/null >"$OUTPUT" 2>"$ERRORS"
for _ in $(seq 300); do
  [ -e "$installed" ] || [ -e "$menu" ] || break
  sleep 0.1
done
for _ in $(seq 20); do
  [ -z "$(uninstall_entry)" ] && break
  sleep 0.5
done
[ ! -e "$installed" ] || fail "$CASE: left behind: $(find "$installed" | head -5)"
[ ! -e "$menu" ] || fail "$CASE: the Start menu folder is left"
[ -z "$(uninstall_entry)" ] || fail "$CASE: the uninstall entry is left"
[ -f "$roaming/velmora/fullscreenConfig.txt" ] || fail "$CASE: the player's settings are gone"

finish
