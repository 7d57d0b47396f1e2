#!/usr/bin/env bash
# Builds the Debian package quenna2_<version>_<arch>.deb in the project folder: a Release
# build from scratch in build-package/ with Debian's hardening flags, the program in
# /usr/games, packed by CPack from the project's install rules.
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-dev: dpkg-shlibdeps finds the packages of the libraries the program links;
# file: CPack finds the programs whose libraries those are; the rest check the package.
scripts/setup.sh dpkg-dev file lintian appstream desktop-file-utils xvfb xauth

# Debian's flags: its optimisation (-O2; GCC 12 at -O3 warns falsely inside std::string)
# and all its hardening, bindnow included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
rm -rf build-package ./quenna2_*.deb
cmake -S . -B build-package -G Ninja "${launcher[@]}" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_BINDIR=games \
  -DQUENNA2_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build build-package
(cd build-package && cpack -G DEB)
mv build-package/quenna2_*.deb .
ls -l quenna2_*.deb
