#!/usr/bin/env bash
# Installs what is missing (Debian 12 packages), builds, then runs:
#   scripts/setup.sh run           the workstation (release build) on its built-in demo recording
#   scripts/setup.sh test          the checked run: the whole suite under AddressSanitizer +
#                                  UndefinedBehaviorSanitizer, every parser fuzzed briefly, the
#                                  threaded tests under ThreadSanitizer (scripts/sanitize.sh ci)
#   scripts/setup.sh test-release  the whole suite on the release build
# Idempotent: installed packages and an existing build folder are reused.
set -euo pipefail
cd "$(dirname "$0")/.."

action="${1:-run}"
build_dir="${TW_BUILD_DIR:-build}"
packages=(build-essential cmake ninja-build ccache pkg-config
          qtbase5-dev libqt5charts5-dev qtmultimedia5-dev libqt5svg5-dev
          qttools5-dev qttools5-dev-tools libfftw3-dev libomp-dev libbenchmark-dev libsoapysdr-dev
          xvfb xauth fonts-dejavu-core)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Paths relative to the checkout, so that a fresh clone (as CI makes) reuses the cache.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true
release_build() {
    if [ ! -f "$build_dir/build.ninja" ]; then
        cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release
    fi
    cmake --build "$build_dir" -j "$(nproc)"
}

case "$action" in
run)
    release_build
    exec "$build_dir/bin/tarnwick-studio" "${@:2}"
    ;;
test)
    # The checked builds replace the release build here: one build of the program
    # less, and the suite runs where memory and thread faults show.
    exec bash scripts/sanitize.sh ci
    ;;
test-release)
    release_build
    export QT_QPA_PLATFORM=offscreen
    cd "$build_dir"
    exec ctest --output-on-failure -j "$(nproc)" --timeout 300
    ;;
*)
    echo "usage: scripts/setup.sh run|test|test-release" >&2
    exit 2
    ;;
esac
