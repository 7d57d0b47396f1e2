#!/usr/bin/env bash
# Runs every test built with clang, AddressSanitizer and UndefinedBehaviorSanitizer (in
# build-clang/): any report in our code fails the test that met it. Then compares the data
# folder the clang-built kit made with one a GCC-built kit made, byte for byte (the
# folder given, by default build-test/data from scripts/test.sh).
# Usage: scripts/sanitize.sh [GCC-built data folder]
set -euo pipefail
cd "$(dirname "$0")/.."
gcc_data=${1:-build-test/data}
scripts/clang-build.sh

# Reports stop the program; leaks are looked for at exit. The suppressions name only
# system libraries (see the file).
suppressions="$PWD/scripts/sanitizer-suppressions.txt"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1"
export LSAN_OPTIONS="suppressions=$suppressions:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd build-clang && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
  ctest --output-on-failure -j2)

if [ ! -d "$gcc_data" ]; then
  if [ $# -gt 0 ]; then
    echo "No data folder at $gcc_data to compare with" >&2
    exit 1
  fi
  echo "No GCC-built data folder at $gcc_data (scripts/test.sh makes one): not compared."
  exit 0
fi
if ! diff -r -q "$gcc_data" build-clang/data; then
  echo "The clang-built data kit made other bytes than the GCC-built one (above)." >&2
  exit 1
fi
echo "The clang-built data kit made the same $(find build-clang/data -type f | wc -l) files as $gcc_data."
