#!/bin/sh
# check_translations.sh LUPDATE: fails when a text marked in the sources has
# no finished English translation, or the translation source keeps texts the
# program no longer has.
set -e
lupdate=$1
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
status=0
for ts in "$here"/kirabo_*.ts; do
    name=$(basename "$ts")
    cp "$ts" "$tmp/$name"
    "$here/lupdate.sh" "$lupdate" "$tmp/$name"
    if ! cmp -s "$ts" "$tmp/$name"; then
        echo "$name does not match the texts in the sources:"
        diff -u "$ts" "$tmp/$name" || true
        status=1
    fi
    if grep -n -B3 -E 'type="(unfinished|vanished|obsolete)"' "$tmp/$name"; then
        echo "$name has texts without a finished translation (above)."
        status=1
    fi
done
[ $status -eq 0 ] || echo "Update with: cmake --build build --target update_translations, then translate."
exit $status
