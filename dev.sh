#!/usr/bin/env bash
# One entry point for a fresh Debian 12 machine:
#   ./dev.sh run    install what building the viewer needs, build it, open it
#   ./dev.sh test   install that and what testing needs, check the format, build, run every
#                   test: a g++ build with CMake's default generator, then a clang Debug build
#                   with AddressSanitizer and UndefinedBehaviorSanitizer (Ninja)
# Packages are installed with apt (through sudo when not root) only when one is missing, so a
# second run goes straight to the build.
set -euo pipefail
cd "$(dirname "$0")"

# What building and running the viewer needs: the compiler, Qt, the data tool's TOML reader,
# and the font tools that build the pixel faces from their glyph files.
run_packages=(
    cmake make g++
    qt6-base-dev libtomlplusplus-dev
    python3-fonttools
)
# What the tests add: the second compiler with its sanitizer runtime, the format check, the
# benchmarks, the real-window script, and the validators of the installed files and the package.
test_packages=(
    ninja-build clang libclang-rt-14-dev clang-format libbenchmark-dev
    xvfb xdotool imagemagick x11-utils
    dbus-daemon dbus-x11 at-spi2-core python3-pyatspi
    desktop-file-utils appstream dpkg-dev file lintian man-db
)

install_missing() {
    local missing=()
    for p in "$@"; do
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
    cmake -S . -B "$dir" -DZENTALOGER_WERROR=ON "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

# Every C++ file as .clang-format has it, before anything is built.
check_format() {
    local files
    if git rev-parse --git-dir >/dev/null 2>&1; then
        files=$(git ls-files '*.cpp' '*.h')
    else
        files=$(find . -path './build*' -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
    fi
    if ! echo "$files" | xargs clang-format --dry-run -Werror; then
        echo "dev.sh: the files above differ from .clang-format (clang-format -i FILE)" >&2
        exit 1
    fi
}

case "${1:-}" in
    run)
        install_missing "${run_packages[@]}"
        build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DZENTALOGER_BENCH=OFF
        exec ./build/app/zentaloger
        ;;
    test)
        install_missing "${run_packages[@]}" "${test_packages[@]}"
        check_format
        build build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DZENTALOGER_BENCH=ON
        ctest --test-dir build --output-on-failure -j "$jobs"
        # Qt's container range checks are on only in Debug, so the sanitizer build is Debug;
        # clang, as it is the fuzzers' compiler. A folder configured for another compiler
        # starts afresh.
        if [ -f build-asan/CMakeCache.txt ] &&
            ! grep -q '^CMAKE_CXX_COMPILER:.*clang++' build-asan/CMakeCache.txt; then
            rm -rf build-asan
        fi
        CC=clang CXX=clang++ build build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
            -DZENTALOGER_SANITIZE=ON -DZENTALOGER_BENCH=OFF
        ctest --test-dir build-asan --output-on-failure -j "$jobs"
        ;;
    *)
        echo "usage: ./dev.sh run | test" >&2
        exit 2
        ;;
esac
