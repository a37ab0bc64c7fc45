#!/usr/bin/env bash
# Applies small faults to a copy of the tree one at a time, builds, runs the
# tests that should notice, and says which faults were caught.
#
#   scripts/mutants.sh [-t TREE] [-l LIST] [-j JOBS] [NAME-PATTERN]
#
# TREE is the source tree to copy (default: this checkout, uncommitted changes
# included); LIST the mutant list (default: scripts/mutants.list next to this
# script); NAME-PATTERN an extended regular expression choosing mutants by
# name. Each line of the list is
#
#   name @@ file @@ search text @@ replacement [@@ test labels]
#
# The search text must occur exactly once in the file, or the mutant is
# reported stale. The tests of the given labels run first; without labels
# they are chosen by the file's folder (engine code: engine tests, the
# shell's files: file tests, tables and windows: window tests). A mutant that
# passes them must pass the other engine, file and window tests too before it
# counts as survived.
#
# Output: one line per mutant ("caught", "caught (build)", "survived",
# "stale") and a summary. The exit status is 0 when no mutant survived and
# none is stale.
set -euo pipefail

# All in one function, read whole before it runs: the script may be edited
# while a long run is under way.
main() {
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
tree="$(cd "$here/.." && pwd)"
list="$here/mutants.list"
jobs=2
while getopts "t:l:j:" opt; do
  case $opt in
    t) tree="$(cd "$OPTARG" && pwd)" ;;
    l) list="$(cd "$(dirname "$OPTARG")" && pwd)/$(basename "$OPTARG")" ;;
    j) jobs=$OPTARG ;;
    *) sed -n '2,20p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
pattern="${1:-.}"

scratch="$(mktemp -d "${TMPDIR:-/tmp}/kirabo-mutants.XXXXXX")"
trap 'rm -rf "$scratch"' EXIT
copy="$scratch/tree"
log="$scratch/log"
mkdir -p "$copy"

# The tree as it stands, without its build folders or history.
git -C "$tree" ls-files -z --cached --others --exclude-standard |
  (cd "$tree" && tar --null -T - --ignore-failed-read -cf - 2>/dev/null) |
  tar -C "$copy" -xf -

export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
# The build lies inside the copy as it does in a checkout, so the compiler
# cache serves the unchanged files of the copy from earlier builds.
echo "Building the unchanged copy in $copy ..."
cmake -S "$copy" -B "$copy/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >"$log" 2>&1 ||
  { cat "$log"; exit 1; }
cmake --build "$copy/build" -j "$jobs" >"$log" 2>&1 || { tail -40 "$log"; exit 1; }

labels_for() {
  case "$1" in
    table/* | display/* | koikoi/ui/* | hanaawase/ui/* | hanaawase/dialogs/* | platform/*ui* | assets/*)
      echo window ;;
    core/records* | core/settings* | core/storage* | platform/files*) echo file ;;
    core/*) echo "window|file" ;;
    app/*) echo "window|file" ;;
    *) echo engine ;;
  esac
}

# Replaces the only occurrence of $2 in file $1 by $3; exit 3 when the text
# is missing or occurs more than once.
apply_mutant() {
  python3 - "$@" <<'EOF'
import sys
path, search, replacement = sys.argv[1], sys.argv[2], sys.argv[3]
with open(path, encoding="utf-8") as f:
    text = f.read()
if text.count(search) != 1:
    sys.exit(3)
with open(path, "w", encoding="utf-8") as f:
    f.write(text.replace(search, replacement))
EOF
}

trim() {
  local s="$1"
  s="${s#"${s%%[![:space:]]*}"}"
  printf '%s' "${s%"${s##*[![:space:]]}"}"
}

# The groups every mutant must pass to survive: first its own, then the rest.
all_labels="engine|file|window"
run_tests() {
  (cd "$copy/build" && ctest "$@" -j "$jobs" --timeout 120 --stop-on-failure >"$log" 2>&1)
}

# A fault can only be caught by tests that pass without it.
echo "Testing the unchanged copy ..."
if ! run_tests -L "$all_labels"; then
  tail -40 "$log"
  echo "The unchanged copy fails its tests: no mutant can be judged."
  exit 1
fi

caught=() survived=() stale=()
while IFS= read -r line || [ -n "$line" ]; do
  case "$line" in '' | '#'*) continue ;; esac
  rest="$line"
  fields=()
  while [[ "$rest" == *" @@ "* ]]; do
    fields+=("${rest%% @@ *}")
    rest="${rest#* @@ }"
  done
  fields+=("$rest")
  name="$(trim "${fields[0]}")"
  [[ "$name" =~ $pattern ]] || continue
  if [ ${#fields[@]} -lt 4 ]; then
    printf '%-34s stale (malformed line)\n' "$name"
    stale+=("$name")
    continue
  fi
  file="$(trim "${fields[1]}")"
  search="$(trim "${fields[2]}")"
  replacement="$(trim "${fields[3]}")"
  labels="$(trim "${fields[4]:-}")"
  [ -n "$labels" ] || labels="$(labels_for "$file")"

  target="$copy/$file"
  if [ ! -f "$target" ]; then
    printf '%-34s stale (no file %s)\n' "$name" "$file"
    stale+=("$name")
    continue
  fi
  cp "$target" "$scratch/original"
  if ! apply_mutant "$target" "$search" "$replacement"; then
    printf '%-34s stale (search text not found exactly once in %s)\n' "$name" "$file"
    stale+=("$name")
    continue
  fi
  start=$SECONDS
  if ! cmake --build "$copy/build" -j "$jobs" >"$log" 2>&1; then
    verdict="caught (build)"
  elif run_tests -L "$labels" &&
       run_tests -L "$all_labels" -LE "$labels"; then
    verdict="survived"
  else
    first="$(grep -m1 -E 'Test +#[0-9]+: [^ ]+ \.* *(\*\*\*|Subprocess aborted|.*SEGFAULT)' "$log" |
      sed -E 's/.*Test +#[0-9]+: ([^ ]+).*/\1/' || true)"
    verdict="caught${first:+ by $first}"
  fi
  # The original goes back with a new time, so the next build compiles it again.
  cp "$scratch/original" "$target"
  printf '%-34s %s  [%s, %ds]\n' "$name" "$verdict" "$labels" $((SECONDS - start))
  case "$verdict" in
    survived) survived+=("$name") ;;
    *) caught+=("$name") ;;
  esac
done <"$list"

echo
echo "caught:   ${#caught[@]}${caught:+  (${caught[*]})}"
echo "survived: ${#survived[@]}${survived:+  (${survived[*]})}"
echo "stale:    ${#stale[@]}${stale:+  (${stale[*]})}"
[ ${#survived[@]} -eq 0 ] && [ ${#stale[@]} -eq 0 ]
}

main "$@"
exit
