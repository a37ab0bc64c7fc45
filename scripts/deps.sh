# Installs the Debian packages Kirabo needs and builds it; sourced by run.sh,
# test.sh and bench.sh. Installs only what is missing.

# What building and playing the game needs.
KIRABO_PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev qt6-tools-dev qt6-l10n-tools
  libsdl2-mixer-dev timgm6mb-soundfont
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-aoyagi-kouzan-t fonts-dejavu-core
)
# What the tests, the sanitizer build and the benchmarks need besides.
KIRABO_TEST_PACKAGES=(
  ccache git libfluidsynth-dev
  libgtest-dev googletest
  clang libclang-rt-14-dev clang-format
  xvfb xauth x11-utils openbox desktop-file-utils appstream dpkg-dev file lintian
)

# kirabo_install_deps [PACKAGE...]: the game's packages and those given.
kirabo_install_deps() {
  local wanted=("${KIRABO_PACKAGES[@]}" "$@") missing=() installed
  # One query for all of them keeps a second start quick.
  # (dpkg-query fails for packages it has never heard of.)
  installed=$( (dpkg-query -W -f='${Package} ${Status}\n' "${wanted[@]}" 2>/dev/null || true) |
    awk '/ ok installed$/ {print $1}')
  for p in "${wanted[@]}"; do
    grep -qx "$p" <<< "$installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

kirabo_top() { cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd; }

# kirabo_build_game: configures build/ once (without the tests when it makes
# it) and builds only the game and its tunes.
kirabo_build_game() {
  cd "$(kirabo_top)"
  if [ ! -f build/build.ninja ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DKIRABO_TESTS=OFF
  fi
  cmake --build build -j "$(nproc)" --target kirabo kirabo_music
}

# kirabo_build: the whole Release tree in build/, tests and tools included.
kirabo_build() {
  cd "$(kirabo_top)"
  if ! grep -qx 'KIRABO_TESTS:BOOL=ON' build/CMakeCache.txt 2>/dev/null; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DKIRABO_TESTS=ON
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
