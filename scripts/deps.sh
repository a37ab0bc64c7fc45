# Installs the Debian packages Kirabo needs to build, test and run; sourced
# by run.sh and test.sh. Installs only what is missing.
KIRABO_PACKAGES=(
  g++ cmake ninja-build ccache pkg-config git
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev
  libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-aoyagi-kouzan-t
  libgtest-dev googletest
  clang libclang-rt-14-dev
  xvfb xauth desktop-file-utils appstream dpkg-dev
)

kirabo_install_deps() {
  local missing=()
  for p in "${KIRABO_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

kirabo_top() { cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd; }

# Configures (once) and builds a Release tree in build/.
kirabo_build() {
  cd "$(kirabo_top)"
  if [ ! -f build/build.ninja ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
  fi
  cmake --build build -j "$(nproc)"
}

# Everything but the audio again with AddressSanitizer and
# UndefinedBehaviorSanitizer (clang): the engines, the shell, the window code
# with its tables, dialogs and storms (offscreen), the soak and the fuzzers.
kirabo_build_sanitized() {
  cd "$(kirabo_top)"
  if [ ! -f build-san/build.ninja ] || grep -q '^KIRABO_WITH_UI:BOOL=OFF' build-san/CMakeCache.txt; then
    CC=clang CXX=clang++ cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DKIRABO_WITH_UI=ON -DKIRABO_WITH_AUDIO=OFF -DKIRABO_SANITIZE=ON -DKIRABO_FUZZ=ON
  fi
  cmake --build build-san -j "$(nproc)"
}
