#!/usr/bin/env bash
# Sets up a Debian machine, builds Driftwing and runs every test, without a
# display or a sound card: Qt draws offscreen and SDL writes its sound to a
# file.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh
export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=disk
export SDL_DISKAUDIOFILE=/dev/null
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
ctest --test-dir "${DRIFTWING_BUILD_DIR:-build}" --output-on-failure --parallel "$(nproc)" \
  --timeout 600
