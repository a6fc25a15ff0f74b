#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT
#
# Sets up a Debian 12 machine for Wumpel and builds it.
#   tools/dev.sh test   install what is missing, build, run the whole test suite
#   tools/dev.sh run    install what is missing, build, start the window
set -euo pipefail

readonly root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
readonly build_dir="${WUMPEL_BUILD_DIR:-$root/build}"
readonly jobs="$(nproc)"

# Everything the build and the tests need, from Debian's own packages.
readonly packages=(
    build-essential cmake
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev libgl-dev fonts-liberation appstream desktop-file-utils
    clang libclang-rt-14-dev
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing_packages() {
    local missing=()
    local package
    for package in "${packages[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    fi
}

build() {
    cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build "$build_dir" --parallel "$jobs"
}

run_tests() {
    ctest --test-dir "$build_dir" --output-on-failure --parallel "$jobs"
}

case "${1:-}" in
test)
    install_missing_packages
    build
    run_tests
    ;;
run)
    install_missing_packages
    build
    exec "$build_dir/app/wumpel"
    ;;
*)
    echo "usage: tools/dev.sh test|run" >&2
    exit 2
    ;;
esac
