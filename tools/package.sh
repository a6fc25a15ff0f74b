#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT
#
# Builds the Debian package from a Release build and checks it as a user's
# system would see it: lintian, the programs and files unpacked from the .deb,
# the desktop entry, the metainfo and both manual pages.
#   tools/package.sh [REFERENCE_BUILD_DIR]
# With a reference build, the unpacked wumpel-verse must write the same bytes as
# that build's one. tools/dev.sh test runs this after the test suite.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
readonly root
readonly release_dir="${WUMPEL_RELEASE_BUILD_DIR:-$root/build-release}"
readonly web_page="${WUMPEL_WEB_BUILD_DIR:-$root/build-web}/wumpel.html"
readonly reference_dir="${1:-}"
jobs="$(nproc)"
readonly jobs
readonly word_list="$root/bench/engine/example_list_1.txt"
scratch=""

fail() {
    echo "package check failed: $*" >&2
    exit 1
}

# The browser page goes into the package as tools/dev.sh web builds it.
build_package() {
    bash "$root/tools/dev.sh" web
    cmake -S "$root" -B "$release_dir" -DCMAKE_BUILD_TYPE=Release \
        -DWUMPEL_BUILD_UI=ON -DWUMPEL_BUILD_TESTS=OFF -DWUMPEL_BUILD_BENCHMARKS=OFF \
        -DWUMPEL_WEB_PAGE="$web_page"
    cmake --build "$release_dir" --parallel "$jobs"
    rm -f "$release_dir"/wumpel_*.deb
    (cd "$release_dir" && cpack -G DEB)
}

# Lintian may say nothing worse than "info"; an override needs its reason in
# the package itself.
run_lintian() {
    local deb="$1"
    lintian --fail-on error,warning --display-info "$deb"
}

check_unpacked() {
    local deb="$1"
    local scratch="$2"
    dpkg-deb -x "$deb" "$scratch"
    local tool="$scratch/usr/bin/wumpel-verse"
    local verses="$scratch/verses.txt"
    "$tool" --count 3 --seed 1 "$word_list" >"$verses"
    [ "$(grep -c '^Wenn ' "$verses")" -eq 3 ] || fail "the unpacked wumpel-verse did not write three verses"
    if [ -n "$reference_dir" ]; then
        "$reference_dir/cli/wumpel-verse" --count 3 --seed 1 "$word_list" |
            cmp -s - "$verses" || fail "the unpacked wumpel-verse writes other verses than the tested build"
    fi
    [ -x "$scratch/usr/bin/wumpel" ] || fail "the package holds no /usr/bin/wumpel"
    cmp -s "$web_page" "$scratch/usr/share/wumpel/wumpel.html" ||
        fail "the package does not hold the page as built in $web_page"

    desktop-file-validate "$scratch/usr/share/applications/org.wumpel.Wumpel.desktop"
    appstreamcli validate --no-net "$scratch/usr/share/metainfo/org.wumpel.Wumpel.metainfo.xml"
    local page
    for page in wumpel wumpel-verse; do
        local file="$scratch/usr/share/man/man6/$page.6.gz"
        local warnings
        warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null)"
        [ -z "$warnings" ] || fail "man reports for $page(6): $warnings"
    done
}

main() {
    build_package
    local debs=("$release_dir"/wumpel_*.deb)
    if [ "${#debs[@]}" -ne 1 ] || [ ! -f "${debs[0]}" ]; then
        fail "cpack did not write one wumpel_*.deb"
    fi
    run_lintian "${debs[0]}"
    scratch="$(mktemp -d)"
    trap 'rm -rf "$scratch"' EXIT
    check_unpacked "${debs[0]}" "$scratch"
    echo "package ${debs[0]##*/}: lintian clean, unpacked programs and files check out"
}

main
