#!/usr/bin/env bash
# One-step set-up on Debian 12: installs what is missing from Debian's packages, builds the game
# and its assets, then plays it or runs every test.
#   bash scripts/setup.sh play    build, generate the assets, start the game
#   bash scripts/setup.sh test    build, generate the assets, run all tests
#   bash scripts/setup.sh ci      the tests, then the sanitizer builds and the fuzzers
set -euo pipefail

MODE="${1:-play}"
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="$ROOT/build"

PACKAGES=(
    build-essential cmake pkg-config python3
    libsdl2-dev libsdl2-mixer-dev libcairo2-dev libpango1.0-dev libpng-dev zlib1g-dev
    libmp3lame-dev libx11-dev fonts-noto-cjk fonts-noto-cjk-extra
)
if [ "$MODE" != play ]; then
    PACKAGES+=(libgtest-dev googletest xvfb xdotool x11-utils imagemagick ffmpeg weston)
fi
if [ "$MODE" = ci ]; then
    PACKAGES+=(clang)
fi

install_missing() {
    local missing=()
    for package in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

case "$MODE" in
    play | test | ci) ;;
    *)
        echo "usage: $0 play|test|ci" >&2
        exit 2
        ;;
esac

install_missing
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRYVEL_TESTS="$([ "$MODE" = play ] && echo OFF || echo ON)"
cmake --build "$BUILD" -j "$(nproc)"

if [ "$MODE" = play ]; then
    # The game reads images/ and sound/ from the current folder: the build writes them there.
    cd "$BUILD"
    exec ./gryvel
fi
ctest --test-dir "$BUILD" --output-on-failure -j 2
if [ "$MODE" = ci ]; then
    bash "$ROOT/scripts/sanitize.sh" address
    bash "$ROOT/scripts/sanitize.sh" thread
    bash "$ROOT/scripts/fuzz.sh" 60
fi
