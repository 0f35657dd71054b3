#!/usr/bin/env bash
# Builds Velmora and starts the game.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
exec ./build/bin/velmora
