#!/usr/bin/env bash
# Installs what is missing, builds Kirabo and runs the whole test suite
# headless. Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
kirabo_install_deps
kirabo_build
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
cd build
ctest --output-on-failure -j "$(nproc)" --timeout 300
