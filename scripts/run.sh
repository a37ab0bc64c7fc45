#!/usr/bin/env bash
# Installs what is missing, builds Kirabo and starts it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
kirabo_install_deps
kirabo_build
exec ./build/kirabo
