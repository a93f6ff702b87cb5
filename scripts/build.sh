#!/usr/bin/env bash
# Configures and builds Driftwing in ./build (or $DRIFTWING_BUILD_DIR). Any
# arguments are CMake options (e.g. -DDRIFTWING_WERROR=ON), also applied to a
# build folder that already exists.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${DRIFTWING_BUILD_DIR:-build}"
if [ ! -f "$build/build.ninja" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
elif [ $# -gt 0 ]; then
  cmake -S . -B "$build" "$@" >/dev/null
fi
cmake --build "$build" --parallel "$(nproc)"
