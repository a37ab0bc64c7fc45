#!/usr/bin/env bash
# Installs what is missing, builds Kirabo and runs the whole test suite
# headless. Exits non-zero on any failure.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
kirabo_install_deps "${KIRABO_TEST_PACKAGES[@]}"
kirabo_build
kirabo_build_sanitized
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
echo "== The program and its tests"
(cd build && ctest --output-on-failure -j "$(nproc)" --timeout 300)
echo "== Sanitizers: engines, shell, window code, soak and fuzzing"
(cd build-san && ctest --output-on-failure -j "$(nproc)" --timeout 600)
