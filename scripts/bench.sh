#!/usr/bin/env bash
# Kirabo's performance report on this machine: start-up, resolution change,
# CPU while the player chooses, frames per flight, engine speed and memory,
# on a 3840x2160 screen at ratio 1, at ratio 2 (a desktop scaled twice,
# QT_SCALE_FACTOR=2) and in full screen there.
# Builds first (scripts/test.sh or run.sh install what is needed); the window
# figures come from a real window under Xvfb, with openbox as the window
# manager that gives a full-screen window the screen.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"
kirabo_build > /dev/null
cd "$(kirabo_top)"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/data" "$tmp/run" && chmod 700 "$tmp/run"
export XDG_DATA_HOME=$tmp/data XDG_RUNTIME_DIR=$tmp/run SDL_AUDIODRIVER=dummy
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
# The window figures come from a real X window; the tools draw offscreen
# unless told otherwise. `xvfb SCALE COMMAND...` runs a command at that scale.
xvfb() {
  local scale=$1
  shift
  rm -rf "$tmp/data/kirabo"
  QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 3840x2160x24" \
    bash -c 'command -v openbox > /dev/null && { openbox & sleep 1; }; "$@"' bench "$@" 2> /dev/null
}

for scale in 1 2; do
  echo "== Window program at ratio $scale (kirabo-bench, under Xvfb 3840x2160)"
  xvfb "$scale" ./build/kirabo-bench
  echo "== Frames per 200 ms flight at 1024x768, ratio $scale"
  for bench in build/koikoi-flight-bench build/hana-flight-bench; do
    [ -x "$bench" ] && xvfb "$scale" "$bench" | tail -n 3
  done
  if [ -x build/koikoi-flight-bench ]; then
    xvfb "$scale" build/koikoi-flight-bench fullscreen | tail -n 1
  fi
done
echo "== Engine speed (kirabo-sim, 200 games, hands per second of processor time)"
./build/kirabo-sim koikoi --seed 1 --games 200
./build/kirabo-sim hanaawase --seed 1 --games 200
for ratio in 1 2; do
  echo "== Images at ratio $ratio (kirabo-art-bench)"
  ./build/kirabo-art-bench --ratio "$ratio" 0 1 2 | tail -n 8
done
