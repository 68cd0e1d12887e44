#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   ./dev.sh run    install what is missing, build, open the viewer
#   ./dev.sh test   install what is missing, build, run every test (also under ASan/UBSan)
# Packages are installed with apt (through sudo when not root) only when one is missing, so a
# second run goes straight to the build.
set -euo pipefail
cd "$(dirname "$0")"

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libtomlplusplus-dev libbenchmark-dev librapidcheck-dev
    clang libclang-rt-14-dev
    fonts-dejavu-core fonts-dejavu-extra fonttools xvfb xdotool imagemagick x11-utils
    desktop-file-utils appstream dpkg-dev file lintian man-db
)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "dev.sh: installing ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends \
        "${missing[@]}"
}

jobs=$(nproc)

build() {  # build DIR [cmake options...]
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DZENTALOGER_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

case "${1:-}" in
    run)
        install_missing
        build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
        exec ./build/app/zentaloger
        ;;
    test)
        install_missing
        build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
        ctest --test-dir build --output-on-failure -j "$jobs"
        # Qt's container range checks are on only in Debug, so the sanitizer build is Debug.
        build build-asan -DCMAKE_BUILD_TYPE=Debug -DZENTALOGER_SANITIZE=ON -DZENTALOGER_BENCH=OFF
        ctest --test-dir build-asan --output-on-failure -j "$jobs"
        ;;
    *)
        echo "usage: ./dev.sh run | test" >&2
        exit 2
        ;;
esac
