#!/usr/bin/env bash
# Sets up a Debian machine, builds Driftwing and runs every test, without a
# display or a sound card: Qt draws offscreen and SDL writes its sound to a
# file. Re-runs reuse the build folders.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
# Formatting first: it takes a second and needs no build.
./scripts/format.sh --check
# A warning in the game's own code fails the build here (players' builds only
# warn, so a newer compiler never stops them).
./scripts/build.sh -DDRIFTWING_WERROR=ON
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
# The tests keep their settings and recorded races away from the player's own.
export XDG_CONFIG_HOME="$(mktemp -d)" XDG_DATA_HOME="$(mktemp -d)"
ctest --test-dir "${DRIFTWING_BUILD_DIR:-build}" --output-on-failure --parallel "$(nproc)" \
  --timeout 600

# Every test once more, the real programs included, built with clang at -O1
# under AddressSanitizer (with LeakSanitizer) and UndefinedBehaviorSanitizer:
# the first error stops the program with a stack trace and fails its test.
asan="${DRIFTWING_ASAN_DIR:-build-asan}"
if [ ! -f "$asan/build.ninja" ]; then
  cmake -S . -B "$asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++-14 \
    "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g" -DDRIFTWING_WERROR=ON -DDRIFTWING_BENCH=OFF \
    "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
fi
cmake --build "$asan" --parallel "$(nproc)"
ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:check_initialization_order=1:strict_init_order=1 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir "$asan" --output-on-failure --parallel "$(nproc)" --timeout 600
