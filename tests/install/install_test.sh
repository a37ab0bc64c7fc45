#!/usr/bin/env bash
# install_test.sh BUILD_DIR: installs into a temporary prefix, validates the
# desktop files, starts the installed game and checks it finds its tunes and
# carries its desktop entry's id, builds the .deb and checks what it holds and
# needs (and lintian's verdict when lintian is installed), and uninstalls from
# the install's own list.
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix

cmake --install "$build" --prefix "$prefix" > "$tmp/install.log"
# The list the README tells the player to keep; packaging later rewrites the
# build folder's own.
cp "$build/install_manifest.txt" "$tmp/installed.txt"
for f in share/doc/kirabo/copyright share/doc/kirabo/changelog.gz share/man/man6/kirabo.6.gz bin/kirabo share/kirabo/title.mid share/kirabo/kirabo.mid share/kirabo/kyouwa.mid \
         share/kirabo/kyoutu.mid share/applications/org.kirabo.Kirabo.desktop \
         share/metainfo/org.kirabo.Kirabo.metainfo.xml share/icons/hicolor/scalable/apps/kirabo.svg; do
  [ -f "$prefix/$f" ] || { echo "not installed: $f"; exit 1; }
done
desktop-file-validate "$prefix/share/applications/org.kirabo.Kirabo.desktop"
appstreamcli validate --pedantic --no-net --explain "$prefix/share/metainfo/org.kirabo.Kirabo.metainfo.xml"
wmclass=$(sed -n 's/^StartupWMClass=//p' "$prefix/share/applications/org.kirabo.Kirabo.desktop")

# The installed game, in a private data folder, plays the title tune found in
# its data folder: the disk audio driver's output is not silence.
mkdir -p "$tmp/data" "$tmp/run" && chmod 700 "$tmp/run"
export XDG_DATA_HOME=$tmp/data XDG_RUNTIME_DIR=$tmp/run SDL_AUDIODRIVER=disk
export SDL_DISKAUDIOFILE=$tmp/out.raw SDL_DISKAUDIODELAY=0
run="env"
if command -v xvfb-run > /dev/null; then run="xvfb-run -a"; unset QT_QPA_PLATFORM; fi
(cd "$tmp" && $run "$prefix/bin/kirabo" > "$tmp/run.log" 2>&1 & echo $! > "$tmp/pid")
sleep 4
# The window's class is the one the desktop entry promises (X only).
if command -v xwininfo > /dev/null && [ "$run" != env ]; then
  pid=$(pgrep -f "^$prefix/bin/kirabo" | head -n 1)
  # The game's own display and its key from xvfb-run.
  tr '\0' '\n' < "/proc/$pid/environ" | grep -E '^(DISPLAY|XAUTHORITY)=' > "$tmp/display"
  for _ in $(seq 80); do  # a slow machine may still be opening it
    env $(cat "$tmp/display") xwininfo -root -tree > "$tmp/windows"
    grep -qF "(\"$wmclass\" " "$tmp/windows" && break
    sleep 0.25
  done
  grep -qF "(\"$wmclass\" " "$tmp/windows" ||
    { echo "no window of class $wmclass:"; cat "$tmp/windows"; exit 1; }
fi
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
for f in ./usr/games/kirabo ./usr/share/doc/kirabo/copyright ./usr/share/doc/kirabo/changelog.gz ./usr/share/kirabo/title.mid ./usr/share/applications/org.kirabo.Kirabo.desktop \
         ./usr/share/icons/hicolor/scalable/apps/kirabo.svg; do
  grep -q " $f\$" "$tmp/contents" || { echo "the .deb lacks $f"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for p in libqt6widgets6 libqt6svg6 libsdl2-mixer-2.0-0 timgm6mb-soundfont fonts-ipafont-gothic \
         fonts-ipafont-mincho fonts-aoyagi-kouzan-t fonts-dejavu-core; do
  echo "$depends" | grep -q "\b$p\b" || { echo "the .deb does not need $p"; exit 1; }
done
# Nothing only the build needs, nor a plugin the program never loads.
if echo "$depends" | grep -Eq -- '-dev\b|qt6-qpa-plugins|cmake|g\+\+'; then
  echo "the .deb needs what only building needs"; exit 1
fi
maintainer=$(dpkg-deb -f "$deb" Maintainer)
case $maintainer in *localhost* | "") echo "no real maintainer: $maintainer"; exit 1 ;; esac
if command -v lintian > /dev/null; then
  lintian --fail-on error --tag-display-limit 0 "$deb" | tee "$tmp/lintian.log" ||
    { echo "lintian finds errors"; exit 1; }
fi

# Uninstalling from the kept list removes every installed file, and only them.
xargs rm -- < "$tmp/installed.txt"
left=$(find "$prefix" -type f)
[ -z "$left" ] || { echo "left after uninstalling:"; echo "$left"; exit 1; }
echo "install test passed: $(basename "$deb")"
