#!/usr/bin/env bash
# Builds Velmora and runs every test: unit, GL and end-to-end. Each GL and end-to-end test starts an X server of
# its own (Xvfb with Mesa's software renderer), so no display and no GPU are needed.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/build.sh
ctest --preset default -j"$(nproc)"
