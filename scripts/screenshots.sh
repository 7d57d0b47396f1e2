#!/usr/bin/env bash
# Remakes the README's pictures (docs/datebook.png, docs/conversation.png): builds the game,
# then photographs it on a 1024 x 768 virtual screen.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
if ! command -v xvfb-run >/dev/null; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends xvfb xauth
fi
SDL_AUDIODRIVER=dummy xvfb-run -a -s "-screen 0 1024x768x24" \
  build/tools/quenna2-screens build/data docs
