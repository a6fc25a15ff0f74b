#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT
#
# Builds the Debian package from a Release build and checks it as a user's
# system would see it: lintian, the programs and files unpacked from the .deb,
# the desktop entry, the metainfo, both manual pages, and that both programs
# carry Debian's hardening.
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

# The flags Debian builds its own packages with, every hardening feature
# included: on Debian 12 PIE (the compiler's default), the stack protector,
# fortify, RELRO and immediate binding. Stack-clash and control-flow protection
# are GCC's own switches on top.
hardening_flags() {
    DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"
}

# The browser page goes into the package as tools/dev.sh web builds it.
build_package() {
    bash "$root/tools/dev.sh" web
    # From the root, whose path dpkg-buildflags maps away in the debugging data.
    cd "$root"
    local compile_flags
    compile_flags="$(hardening_flags CPPFLAGS) $(hardening_flags CXXFLAGS) -fstack-clash-protection -fcf-protection"
    local link_flags
    link_flags="$(hardening_flags LDFLAGS)"
    cmake -S "$root" -B "$release_dir" -DCMAKE_BUILD_TYPE=Release \
        "-DCMAKE_CXX_FLAGS=$compile_flags" "-DCMAKE_EXE_LINKER_FLAGS=$link_flags" \
        -DWUMPEL_WARNINGS_AS_ERRORS=ON -DWUMPEL_BUILD_UI=ON -DBUILD_TESTING=OFF -DWUMPEL_BUILD_BENCHMARKS=OFF \
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

# hardening-check reads two features off the program that cannot show in
# ours, so for those the compile commands must show the flags instead.
# Fortify shows only as a checked call where the compiler could not prove a
# copy in bounds, and GCC proves every one in these programs. Control-flow
# marks need every object linked to carry them, and Debian 12's C start-up
# files (crt1.o, crti.o) carry none, so the linker drops them from any program.
check_hardening() {
    hardening-check --nofortify --nocfprotection "$@" ||
        fail "hardening-check finds a packaged program without Debian's hardening"
    local flag
    for flag in -D_FORTIFY_SOURCE= -fcf-protection; do
        if grep '"command":' "$release_dir/compile_commands.json" | grep -q -v -e "$flag"; then
            fail "a file of the package was compiled without $flag"
        fi
    done
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
    check_hardening "$scratch/usr/bin/wumpel" "$scratch/usr/bin/wumpel-verse"

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
    echo "package ${debs[0]##*/}: lintian clean, programs hardened, unpacked programs and files check out"
}

main
