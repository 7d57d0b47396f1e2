#!/usr/bin/env bash
# Remakes the README's pictures (docs/datebook.png, docs/conversation.png, and
# docs/progress.png, docs/report.png from a journal of whole games): builds the game
# with its photographing programs (QUENNA2_SCREENS, off in a plain build), then photographs
# it on a 1024 x 768 virtual screen. The other programs of tools/screens land in build/tools
# as well.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENNA2_SCREENS=ON
cmake --build build
if ! command -v xvfb-run >/dev/null; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends xvfb xauth
fi
if ! command -v pdftoppm >/dev/null; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends poppler-utils
fi
SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1024x768x24" \
  build/tools/quenna2-screens build/data docs
# "My Progress" and the first page of its report.
gallery=$(mktemp -d)
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1920x1080x24" \
  build/tests/progress_gallery build/data "$gallery"
cp "$gallery/progress-1024.png" docs/progress.png
pdftoppm -r 80 -f 1 -l 1 -png "$gallery/report.pdf" "$gallery/report"
cp "$gallery/report-1.png" docs/report.png
rm -rf "$gallery"
