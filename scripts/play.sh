#!/usr/bin/env bash
# Sets up a Debian machine, builds Driftwing and starts it. Any arguments go
# to the game (see ./build/bin/driftwing --help).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh
exec "${DRIFTWING_BUILD_DIR:-build}/bin/driftwing" "$@"
