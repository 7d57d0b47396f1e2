#!/usr/bin/env bash
# Sets up, builds from scratch in build-test/, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
rm -rf build-test
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build-test
cd build-test
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j2
