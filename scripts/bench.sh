#!/usr/bin/env bash
# Kirabo's performance report on this machine: start-up, resolution change,
# CPU while the player chooses, frames per flight, engine speed and memory.
# Builds first (scripts/test.sh or run.sh install what is needed); the window
# figures come from a real window under Xvfb.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
kirabo_build > /dev/null
cd "$(kirabo_top)"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/data" "$tmp/run" && chmod 700 "$tmp/run"
export XDG_DATA_HOME=$tmp/data XDG_RUNTIME_DIR=$tmp/run SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM
# The window figures come from a real X window; the tools draw offscreen
# unless told otherwise.
xvfb() { QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$@" 2> /dev/null; }

echo "== Window program (kirabo-bench, under Xvfb)"
xvfb ./build/kirabo-bench
echo "== Frames per 200 ms flight at 1024x768"
for bench in build/tests/koikoi_ui/koikoi_flight_bench build/tests/hanaawase_ui/hanaawase_flight_bench; do
  [ -x "$bench" ] && xvfb "$bench" | tail -n 3
done
echo "== Engine speed (kirabo-sim, 200 games, hands per second of processor time)"
./build/kirabo-sim koikoi --seed 1 --games 200
./build/kirabo-sim hanaawase --seed 1 --games 200
echo "== Images (kirabo-art-bench)"
./build/kirabo-art-bench 0 1 2 | tail -n 8
