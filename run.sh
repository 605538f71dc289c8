#!/usr/bin/env bash
# Installs what the game needs on Debian 12, builds it, and then either starts
# the game on the bundled sample data or runs the whole test suite.
#
#   ./run.sh game [switches...]   build and play (e.g. ./run.sh game -log -info)
#   ./run.sh test                 build and run every test
set -euo pipefail
cd "$(dirname "$0")"
mode=${1:-game}
shift || true

packages=(cmake g++ make pkg-config ccache
  libogre-1.12-dev ogre-1.12-tools libois-dev libtinyxml-dev zlib1g-dev
  libopenal-dev libvorbis-dev libx11-dev libgtest-dev libbenchmark-dev
  libjpeg-dev libxrender-dev
  xvfb xauth xdotool libgl1-mesa-dri fonts-dejavu-core clang libclang-rt-14-dev)

install_packages() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug "$@" >/dev/null
  cmake --build build -j"$(nproc)"
}

# Runs a command on the present X display, or on a private Xvfb when none.
# -noreset: by default the server resets when its last client leaves, and a
# client that connects during the reset is refused (ECONNRESET); between
# tests that happens often enough to fail one now and then.
with_display() {
  if [ -n "${DISPLAY:-}" ]; then
    "$@"
  else
    xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp -noreset" "$@"
  fi
}

install_packages
case "$mode" in
  game)
    build
    cd build/game
    with_display ../bin/tolvane_quirn "$@"
    ;;
  test)
    build
    export ALSOFT_DRIVERS=null LP_NUM_THREADS=2
    # No blind retries: a test that needs one says so itself (its REPEAT
    # property).  Tests labelled "long" (a whole game played through) are
    # left out; the README gives their command.
    with_display ctest --test-dir build --output-on-failure --label-exclude long -j"$(nproc)"
    tests/fuzz/run.sh
    # The game's start-up and a change of scene under the sanitizers, linked
    # from the fuzz build's sanitized engine.
    tests/sanitize/run.sh
    ;;
  *)
    echo "usage: $0 game|test" >&2
    exit 2
    ;;
esac
