#!/usr/bin/env bash
# Installs the Debian packages Velmora needs, then configures and builds it in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j"$(nproc)"
