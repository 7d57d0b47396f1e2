#!/usr/bin/env bash
# Remakes the README's pictures (docs/datebook.png, docs/conversation.png on a 1024 x 768
# virtual screen, docs/datebook-1920x1080.png and docs/conversation-1920x1080.png on a
# 1920 x 1080 one, and docs/progress.png, docs/report.png from a journal of whole games):
# builds the game with its photographing programs (QUENNA2_SCREENS, off in a plain build),
# then photographs it. The other programs of tools/screens land in build/tools as well.
#
#   scripts/screenshots.sh --sizes <folder>
# photographs every main screen (title, year page, look message, conversation, card table,
# level list, Hall of Fame, slide) at every screen size from 640 x 480 to 3840 x 2160, and
# 3840 x 2160 at device pixel ratio 2, into <folder>/<size>/, with Fit to Screen on.
set -euo pipefail
sizes_folder=""
if [ "${1:-}" = "--sizes" ]; then
  if [ -z "${2:-}" ]; then
    echo "usage: scripts/screenshots.sh [--sizes <folder>]" >&2
    exit 2
  fi
  sizes_folder=$(realpath -m "$2")
fi
cd "$(dirname "$0")/.."
scripts/setup.sh xvfb xauth poppler-utils
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENNA2_SCREENS=ON
cmake --build build
# The player's own settings stay out of it: Fit to Screen is on, as the first time.
settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT
photograph() {  # <width>x<height> <device pixel ratio> <output folder> [tour]
  local scale=()
  if [ "$2" != 1 ]; then scale=(QT_SCALE_FACTOR="$2"); fi
  env XDG_CONFIG_HOME="$settings" SDL_AUDIODRIVER=dummy "${scale[@]}" \
    xvfb-run -a -s "-screen 0 ${1}x24" build/tools/quenna2-screens build/data "${@:3}"
}
if [ -n "$sizes_folder" ]; then
  for size in 640x480 800x600 1024x768 1280x720 1366x768 1920x1080 2560x1440 3840x2160 \
    3840x2160@2; do
    ratio=1
    if [[ $size == *@* ]]; then ratio=${size#*@}; fi
    photograph "${size%@*}" "$ratio" "$sizes_folder/$size" tour
  done
  exit 0
fi
photograph 1024x768 1 docs
wide=$(mktemp -d)
photograph 1920x1080 1 "$wide"
mv "$wide/datebook.png" docs/datebook-1920x1080.png
mv "$wide/conversation.png" docs/conversation-1920x1080.png
rmdir "$wide"
# "My Progress" and the first page of its report.
gallery=$(mktemp -d)
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1920x1080x24" \
  build/tests/progress_gallery build/data "$gallery"
cp "$gallery/progress-1024.png" docs/progress.png
pdftoppm -r 80 -f 1 -l 1 -png "$gallery/report.pdf" "$gallery/report"
cp "$gallery/report-1.png" docs/report.png
rm -rf "$gallery"
