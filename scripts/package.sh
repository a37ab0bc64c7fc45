#!/usr/bin/env bash
# Makes the Debian package build-deb/kirabo_<version>_<arch>.deb. It builds in
# a folder of its own: packaging rewrites its folder's install_manifest.txt,
# and build/'s must stay the list of what `cmake --install build` installed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
kirabo_install_deps dpkg-dev file
cd "$(kirabo_top)"
if [ ! -f build-deb/build.ninja ]; then
  cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=Release -DKIRABO_TESTS=OFF
fi
cmake --build build-deb -j "$(nproc)"
(cd build-deb && cpack -G DEB > /dev/null)
ls "$PWD"/build-deb/kirabo_*.deb
