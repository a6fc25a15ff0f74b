#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT
#
# Sets up a Debian 12 machine for Wumpel and builds it.
#   tools/dev.sh test   install what is missing, build, run the whole test suite,
#                       then build the Debian package and check it
#   tools/dev.sh run    install what the window needs, build it, start it
#   tools/dev.sh web    install emscripten, build the browser page build-web/wumpel.html
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
readonly root
readonly build_dir="${WUMPEL_BUILD_DIR:-$root/build}"
# The window alone has its own folder, so that switching between run and test
# does not rebuild everything.
readonly window_dir="${WUMPEL_WINDOW_BUILD_DIR:-$root/build-window}"
jobs="$(nproc)"
readonly jobs
readonly sanitize_dir="${WUMPEL_SANITIZE_BUILD_DIR:-$root/build-sanitize}"
readonly fuzz_dir="${WUMPEL_FUZZ_BUILD_DIR:-$root/build-fuzz}"
readonly web_dir="${WUMPEL_WEB_BUILD_DIR:-$root/build-web}"
readonly fuzz_seconds="${WUMPEL_FUZZ_SECONDS:-60}"
readonly fuzzers=(engine cli_input)

# From Debian's own packages: what building and starting the window needs,
# and what the whole suite needs on top of that.
readonly run_packages=(
    build-essential cmake pkgconf libutfcpp-dev
    qt6-base-dev qt6-svg-dev libgl-dev libxcb1-dev libwayland-dev
    fonts-liberation2 qt6-translations-l10n qt6-wayland
)
readonly test_packages=(
    libgtest-dev libgmock-dev libbenchmark-dev time
    appstream desktop-file-utils
    clang libclang-rt-14-dev
    lintian file man-db mandoc devscripts
    xvfb xclip weston
    chromium chromium-driver python3-selenium poppler-utils
)
# The page: emscripten runs its JS optimizer on node, which needs node-acorn.
readonly web_packages=(
    cmake python3 emscripten node-acorn
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing_packages() {
    local missing=()
    local package
    for package in "$@"; do
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

# The browser page, the engine compiled to WebAssembly: one file,
# $web_dir/wumpel.html.
build_web() {
    emcmake cmake -S "$root" -B "$web_dir" -DCMAKE_BUILD_TYPE=Release -DWUMPEL_WARNINGS_AS_ERRORS=ON
    cmake --build "$web_dir" --parallel "$jobs"
}

# Every build here is a developer's, so any compiler warning stops it. With the
# page given, the suite runs its browser tests too.
build() {
    cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWUMPEL_WARNINGS_AS_ERRORS=ON \
        -DBUILD_TESTING=ON -DWUMPEL_BUILD_BENCHMARKS=ON -DWUMPEL_WEB_PAGE="$web_dir/wumpel.html"
    cmake --build "$build_dir" --parallel "$jobs"
}

build_window() {
    cmake -S "$root" -B "$window_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWUMPEL_WARNINGS_AS_ERRORS=ON \
        -DBUILD_TESTING=OFF -DWUMPEL_BUILD_BENCHMARKS=OFF
    cmake --build "$window_dir" --parallel "$jobs" --target wumpel
}

# Without a display Qt ends in a platform-plugin abort; say what is wrong
# instead. A platform chosen by hand (QT_QPA_PLATFORM) needs none.
require_display() {
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
        echo "tools/dev.sh run: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset); run it on a virtual one with: xvfb-run -a bash tools/dev.sh run" >&2
        exit 1
    fi
}

run_tests() {
    ctest --test-dir "$build_dir" --output-on-failure --no-tests=error --parallel "$jobs"
}

# The whole suite once more with AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer: any finding ends the test program, so its test fails.
run_sanitized_tests() {
    cmake -S "$root" -B "$sanitize_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWUMPEL_WARNINGS_AS_ERRORS=ON \
        -DWUMPEL_SANITIZE=ON
    cmake --build "$sanitize_dir" --parallel "$jobs"
    ASAN_OPTIONS=detect_leaks=1:check_initialization_order=1:strict_init_order=1 \
        UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir "$sanitize_dir" --output-on-failure --no-tests=error --parallel "$jobs"
}

# Each libFuzzer target for a bounded time, side by side, starting from the
# committed seed corpus; new inputs go to a scratch corpus in the build
# directory, and an input that breaks an invariant lands there as
# <fuzzer>-crash-*.
run_fuzzers() {
    cmake -S "$root" -B "$fuzz_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DWUMPEL_WARNINGS_AS_ERRORS=ON -DWUMPEL_BUILD_FUZZERS=ON -DWUMPEL_SANITIZE=ON \
        -DWUMPEL_BUILD_UI=OFF -DBUILD_TESTING=OFF -DWUMPEL_BUILD_BENCHMARKS=OFF
    cmake --build "$fuzz_dir" --parallel "$jobs"
    local fuzzer
    local pids=()
    for fuzzer in "${fuzzers[@]}"; do
        local corpus="$fuzz_dir/corpus/$fuzzer"
        mkdir -p "$corpus"
        "$fuzz_dir/fuzz/${fuzzer}_fuzzer" -max_total_time="$fuzz_seconds" -timeout=10 \
            -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$fuzz_dir/$fuzzer-" \
            "$corpus" "$root/fuzz/corpus/$fuzzer" >"$fuzz_dir/$fuzzer.log" 2>&1 &
        pids+=("$!")
    done
    local failed=0
    local i
    for i in "${!pids[@]}"; do
        if ! wait "${pids[$i]}"; then
            echo "fuzzer ${fuzzers[$i]} found a problem:" >&2
            tail -n 60 "$fuzz_dir/${fuzzers[$i]}.log" >&2
            failed=1
        else
            grep -E '^Done [0-9]+ runs' "$fuzz_dir/${fuzzers[$i]}.log" | sed "s/^/${fuzzers[$i]}: /"
        fi
    done
    return "$failed"
}

case "${1:-}" in
test)
    install_missing_packages "${run_packages[@]}" "${test_packages[@]}" "${web_packages[@]}"
    build_web
    build
    run_tests
    run_sanitized_tests
    run_fuzzers
    bash "$root/tools/package.sh" "$build_dir"
    ;;
run)
    require_display
    install_missing_packages "${run_packages[@]}"
    build_window
    exec "$window_dir/app/wumpel"
    ;;
web)
    install_missing_packages "${web_packages[@]}"
    build_web
    echo "built $web_dir/wumpel.html"
    ;;
*)
    echo "usage: tools/dev.sh test|run|web" >&2
    exit 2
    ;;
esac
