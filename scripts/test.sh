#!/usr/bin/env bash
# Sets up a Debian machine, builds Driftwing and runs every test, without a
# display or a sound card: Qt draws offscreen and SDL writes its sound to a
# file.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
./scripts/build.sh
# The network receive path, fuzzed for a bounded number of runs with clang's
# libFuzzer under AddressSanitizer and UndefinedBehaviorSanitizer.
fuzz="${DRIFTWING_FUZZ_DIR:-build-fuzz}"
if [ ! -f "$fuzz/build.ninja" ]; then
  cmake -S . -B "$fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 \
    -DDRIFTWING_FUZZ=ON -DDRIFTWING_TESTS=OFF -DDRIFTWING_BENCH=OFF \
    "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fsanitize=fuzzer-no-link -fno-omit-frame-pointer -Wno-missing-field-initializers"
fi
cmake --build "$fuzz" --target net_fuzz --parallel "$(nproc)"
corpus="$(mktemp -d)"
cp tests/fuzz/corpus/* "$corpus/"
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 "$fuzz/bin/net_fuzz" -runs=20000 -max_len=4096 -seed=5238 "$corpus" 2>&1 | tail -n 2
rm -rf "$corpus"

export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=disk
export SDL_DISKAUDIOFILE=/dev/null
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
ctest --test-dir "${DRIFTWING_BUILD_DIR:-build}" --output-on-failure --parallel "$(nproc)" \
  --timeout 600
