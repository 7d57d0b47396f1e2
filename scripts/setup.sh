#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test, when missing.
# Packages named as arguments are installed too (scripts/package.sh names its tools).
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libjpeg-dev libsdl2-dev libgtest-dev
  qt6-speech-dev qt6-speech-flite-plugin
  qt6-declarative-dev  # only for its CMake files, which Debian's Qt TextToSpeech package needs
  fonts-liberation
  espeak-ng
  clang-format
  "$@"
)

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
