#!/usr/bin/env bash
# Remakes the README's pictures (docs/datebook.png, docs/conversation.png): builds the game
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
SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1024x768x24" \
  build/tools/quenna2-screens build/data docs
