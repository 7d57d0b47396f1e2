#!/usr/bin/env bash
# Builds the clang tree in build-clang/: the game, the data kit and every test with
# AddressSanitizer and UndefinedBehaviorSanitizer, and the fuzz targets with libFuzzer
# (CMake options QUENNA2_FUZZ and QUENNA2_SANITIZE). Arguments are the targets to build
# (all when none). Installs clang and its runtimes when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

packages=(clang libclang-rt-14-dev llvm-14)
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DQUENNA2_FUZZ=ON "${launcher[@]}" >/dev/null
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake --build build-clang "${targets[@]}"
