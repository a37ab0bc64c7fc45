#!/usr/bin/env bash
# For players: installs what building and playing Kirabo needs, builds the
# game alone and starts it. scripts/test.sh installs and builds the rest.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
kirabo_install_deps
kirabo_build_game
exec ./build/kirabo "$@"
