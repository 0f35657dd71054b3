#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, in the Wine prefix given first, which scripts/windows.sh made and
# whose wineserver it keeps running, so that each run starts quickly. Wine's own messages stay off unless the
# caller names the channels it wants in WINEDEBUG, and a program that crashes ends at once instead of waiting in
# Wine's debugger.
set -u
export WINEPREFIX="$1"
shift
export WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="winedbg.exe=d"
exec wine "$@"
