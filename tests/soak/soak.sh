#!/usr/bin/env bash
# soak.sh SIM GAMES: plays GAMES Koi-Koi and GAMES Hana-awase games through
# kirabo-sim with every check on, spread over every option combination.
set -euo pipefail
sim=$1
games=$2
combos=0
for hands in 6 12; do for sake in 0 1 2; do for oyaken in 0 1; do for human in first last; do
  combos=$((combos + 1))
done; done; done; done
per=$(( (games + combos - 1) / combos ))
seed=1
for hands in 6 12; do for sake in 0 1 2; do for oyaken in 0 1; do for human in first last; do
  "$sim" koikoi --seed $seed --games $per --hands $hands --sake $sake --oyaken $oyaken \
    --human $human --check
  seed=$((seed + 7919))
done; done; done; done
per=$(( (games + 3) / 4 ))
for hands in 6 12; do for human in first last; do
  "$sim" hanaawase --seed $seed --games $per --hands $hands --human $human --check
  seed=$((seed + 7919))
done; done
