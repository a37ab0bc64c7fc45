# Installs the Debian packages Kirabo needs to build, test and run; sourced
# by run.sh and test.sh. Installs only what is missing.
KIRABO_PACKAGES=(
  g++ cmake ninja-build ccache pkg-config git
  qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev
  libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-aoyagi-kouzan-t
  libgtest-dev googletest
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

# Configures (once) and builds a Release tree in build/.
kirabo_build() {
  local top
  top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  cd "$top"
  if [ ! -f build/build.ninja ]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
  fi
  cmake --build build -j "$(nproc)"
}
