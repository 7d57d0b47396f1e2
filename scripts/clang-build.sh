#!/usr/bin/env bash
# Builds the clang tree in build-clang/: the game, the data kit and every test with
# AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz targets with libFuzzer
# (CMake options QUENNA2_FUZZ and QUENNA2_SANITIZE). Arguments are the targets to build
# (all when none). Installs clang and its runtimes when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh clang libclang-rt-14-dev llvm-14

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DQUENNA2_FUZZ=ON "${launcher[@]}" >/dev/null
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build build-clang "${targets[@]}"
