#!/usr/bin/env bash
# install_test.sh BUILD_DIR: installs into a temporary prefix, validates the
# desktop files, starts the installed game and checks it finds its tunes, and
# builds the .deb and checks what it holds and needs.
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix

cmake --install "$build" --prefix "$prefix" > "$tmp/install.log"
for f in bin/kirabo share/kirabo/title.mid share/kirabo/kirabo.mid share/kirabo/kyouwa.mid \
         share/kirabo/kyoutu.mid share/applications/org.kirabo.Kirabo.desktop \
         share/metainfo/org.kirabo.Kirabo.metainfo.xml share/icons/hicolor/scalable/apps/kirabo.svg; do
  [ -f "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/org.kirabo.Kirabo.desktop"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/org.kirabo.Kirabo.metainfo.xml"

# The installed game, in a private data folder, plays the title tune found in
# its data folder: the disk audio driver's output is not silence.
mkdir -p "$tmp/data" "$tmp/run" && chmod 700 "$tmp/run"
export XDG_DATA_HOME=$tmp/data XDG_RUNTIME_DIR=$tmp/run SDL_AUDIODRIVER=disk
export SDL_DISKAUDIOFILE=$tmp/out.raw SDL_DISKAUDIODELAY=0
run="env"
if command -v xvfb-run > /dev/null; then run="xvfb-run -a"; unset QT_QPA_PLATFORM; fi
(cd "$tmp" && $run "$prefix/bin/kirabo" > "$tmp/run.log" 2>&1 & echo $! > "$tmp/pid")
sleep 4
pkill -TERM -f "^$prefix/bin/kirabo" || true
for _ in $(seq 50); do pgrep -f "^$prefix/bin/kirabo" > /dev/null || break; sleep 0.1; done
loud=$(tr -d '\000' < "$tmp/out.raw" | wc -c)
echo "non-zero audio bytes: $loud"
[ "$loud" -gt 100000 ] || { echo "the installed game played no music"; cat "$tmp/run.log"; exit 1; }
[ -f "$tmp/data/kirabo/settei.dat" ] || { echo "the installed game kept no settings"; exit 1; }

# The .deb: what it installs and which Debian packages it needs.
(cd "$build" && cpack -G DEB -B "$tmp/deb" > "$tmp/cpack.log")
deb=$(ls "$tmp"/deb/kirabo_*.deb)
dpkg-deb -c "$deb" > "$tmp/contents"
for f in ./usr/bin/kirabo ./usr/share/kirabo/title.mid ./usr/share/applications/org.kirabo.Kirabo.desktop \
         ./usr/share/icons/hicolor/scalable/apps/kirabo.svg; do
  grep -q " $f\$" "$tmp/contents" || { echo "the .deb lacks $f"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6svg6 libsdl2-mixer-2.0-0 timgm6mb-soundfont fonts-ipafont-gothic; do
  echo "$depends" | grep -q "$p" || { echo "the .deb does not need $p"; exit 1; }
done
echo "install test passed: $(basename "$deb")"
