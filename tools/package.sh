#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT
#
# Builds the Debian packages wumpel-verse and wumpel from a Release build and
# checks them as a user's system would see them: lintian, the programs and
# files unpacked from the .debs, the desktop entry, the metainfo, both manual
# pages, that both programs carry Debian's hardening, and that a second build
# from a copy of the sources elsewhere gives the same bytes.
#   tools/package.sh [REFERENCE_BUILD_DIR]
# With a reference build, the unpacked wumpel-verse must write the same bytes as
# that build's one. tools/dev.sh test runs this after the test suite.
set -euo pipefail
# The modes of everything the build writes, the packages' members included,
# are the same whatever the caller's umask.
umask 022

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
readonly root
readonly release_dir="${WUMPEL_RELEASE_BUILD_DIR:-$root/build-release}"
readonly web_page="${WUMPEL_WEB_BUILD_DIR:-$root/build-web}/wumpel.html"
readonly reference_dir="${1:-}"
jobs="$(nproc)"
readonly jobs
readonly word_list="$root/bench/engine/example_list_1.txt"
# The page travels alone, its notices included, and must stay small enough to.
readonly page_limit_bytes=$((250 * 1024))
readonly tool_depends_pattern='^((libc6|libstdc\+\+6|libgcc-s1) \(>= [^)]+\)(, |$))+$'
scratch=""

fail() {
    echo "package check failed: $*" >&2
    exit 1
}

# Every time the packages hold (the members of the .debs and their archives,
# the times rcc keeps of the icons in the window) is this one, so that the same
# sources give the same bytes: the caller's, or else the last commit's.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH="$(git -C "$root" log -1 --format=%ct)" ||
        fail "not a git checkout: set SOURCE_DATE_EPOCH to the sources' time"
fi
export SOURCE_DATE_EPOCH

# The flags Debian builds its own packages with, every hardening feature
# included: on Debian 12 PIE (the compiler's default), the stack protector,
# fortify, RELRO and immediate binding. Stack-clash and control-flow protection
# are GCC's own switches on top. dpkg-buildflags maps the current folder away
# in the debugging data, so it is called from the sources' root.
hardening_flags() {
    DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"
}

# The .debs of the sources in $1, built from scratch in $2 as Debian builds
# its packages: resources made under another SOURCE_DATE_EPOCH must not
# survive in an older build.
build_debs() {
    local sources="$1"
    local build="$2"
    cd "$sources"
    local compile_flags
    compile_flags="$(hardening_flags CPPFLAGS) $(hardening_flags CXXFLAGS) -fstack-clash-protection -fcf-protection"
    local link_flags
    link_flags="$(hardening_flags LDFLAGS)"
    rm -rf "$build"
    cmake -S "$sources" -B "$build" -DCMAKE_BUILD_TYPE=Release \
        "-DCMAKE_CXX_FLAGS=$compile_flags" "-DCMAKE_EXE_LINKER_FLAGS=$link_flags" \
        -DWUMPEL_WARNINGS_AS_ERRORS=ON -DWUMPEL_BUILD_UI=ON -DBUILD_TESTING=OFF -DWUMPEL_BUILD_BENCHMARKS=OFF \
        -DWUMPEL_WEB_PAGE="$web_page"
    cmake --build "$build" --parallel "$jobs"
    (cd "$build" && cpack -G DEB)
}

# Lintian, pedantic tags and hints included, may say nothing at all; an
# override needs its reason in the package itself.
run_lintian() {
    lintian --fail-on error,warning,info,pedantic --display-info --pedantic "$@"
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

# The tool's package must not pull in what only the window needs.
check_control() {
    local tool_deb="$1"
    local window_deb="$2"
    local depends
    depends="$(dpkg-deb -f "$tool_deb" Depends)"
    [[ "$depends" =~ $tool_depends_pattern ]] ||
        fail "wumpel-verse depends on more than the C and C++ runtimes: $depends"
    local recommends
    recommends="$(dpkg-deb -f "$window_deb" Recommends)"
    [[ "$recommends" == *qt6-wayland* ]] || fail "wumpel does not recommend Qt's Wayland platform: $recommends"
    local section
    for section in "$(dpkg-deb -f "$tool_deb" Section)" "$(dpkg-deb -f "$window_deb" Section)"; do
        [ "$section" = games ] || fail "a package is filed in section $section, not games"
    done
}

check_page() {
    local page="$1"
    local copyright="$2"
    cmp -s "$web_page" "$page" || fail "the package does not hold the page as built in $web_page"
    [ "$(stat -c %s "$page")" -le "$page_limit_bytes" ] ||
        fail "the page is larger than $page_limit_bytes bytes"
    python3 -c 'import sys; sys.exit(open(sys.argv[2]).read() not in open(sys.argv[1]).read())' \
        "$page" "$copyright" || fail "the page does not carry the copyright file of its package"
}

check_unpacked() {
    local scratch="$1"
    local tool="$scratch/usr/games/wumpel-verse"
    local verses="$scratch/verses.txt"
    "$tool" --count 3 --seed 1 "$word_list" >"$verses"
    [ "$(grep -c '^Wenn ' "$verses")" -eq 3 ] || fail "the unpacked wumpel-verse did not write three verses"
    if [ -n "$reference_dir" ]; then
        "$reference_dir/cli/wumpel-verse" --count 3 --seed 1 "$word_list" |
            cmp -s - "$verses" || fail "the unpacked wumpel-verse writes other verses than the tested build"
    fi
    [ -x "$scratch/usr/games/wumpel" ] || fail "the package holds no /usr/games/wumpel"
    check_page "$scratch/usr/share/wumpel/wumpel.html" "$scratch/usr/share/doc/wumpel/copyright"
    check_hardening "$scratch/usr/games/wumpel" "$tool"

    desktop-file-validate "$scratch/usr/share/applications/org.wumpel.Wumpel.desktop"
    appstreamcli validate --no-net "$scratch/usr/share/metainfo/org.wumpel.Wumpel.metainfo.xml"
    local page
    for page in wumpel wumpel-verse; do
        local file="$scratch/usr/share/man/man6/$page.6.gz"
        local warnings
        warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null)"
        [ -z "$warnings" ] || fail "man reports for $page(6): $warnings"
        mandoc -Tlint -W style "$file" || fail "mandoc reports the above for $page(6)"
    done
}

# The same sources copied elsewhere (another path, of another length) under
# another umask and with the times of a fresh checkout, built in another time
# zone and locale, must give packages of the same bytes. The copy holds the
# working tree's files, so that the check holds for uncommitted changes too.
# Both builds take the same page, which tools/dev.sh web builds.
check_reproducible() {
    local copy="$scratch/elsewhere/wumpel-sources"
    mkdir -p "$copy"
    (
        umask 002
        cd "$root"
        git ls-files -z --cached --others --exclude-standard |
            tar --null --files-from=- --ignore-failed-read -cf - |
            tar --no-same-permissions --touch -xf - -C "$copy"
    )
    echo "Building the packages once more, from $copy"
    (
        export TZ=Asia/Kolkata LC_ALL=C
        build_debs "$copy" "$copy/build-release"
    )
    local deb
    for deb in "$release_dir"/*.deb; do
        local again="$copy/build-release/${deb##*/}"
        if ! cmp -s "$deb" "$again"; then
            if command -v diffoscope >/dev/null; then
                diffoscope --text - "$deb" "$again" | head -n 200 >&2 || true
            fi
            fail "two builds of the same sources differ in ${deb##*/} (diffoscope, package diffoscope-minimal, shows how)"
        fi
    done
}

main() {
    bash "$root/tools/dev.sh" web
    build_debs "$root" "$release_dir"
    local tool_debs=("$release_dir"/wumpel-verse_*.deb)
    local window_debs=("$release_dir"/wumpel_*.deb)
    if [ "${#tool_debs[@]}" -ne 1 ] || [ ! -f "${tool_debs[0]}" ] ||
        [ "${#window_debs[@]}" -ne 1 ] || [ ! -f "${window_debs[0]}" ]; then
        fail "cpack did not write one wumpel-verse_*.deb and one wumpel_*.deb"
    fi
    run_lintian "${tool_debs[0]}" "${window_debs[0]}"
    check_control "${tool_debs[0]}" "${window_debs[0]}"
    scratch="$(mktemp -d)"
    trap 'rm -rf "$scratch"' EXIT
    dpkg-deb -x "${tool_debs[0]}" "$scratch"
    dpkg-deb -x "${window_debs[0]}" "$scratch"
    check_unpacked "$scratch"
    check_reproducible
    local deb
    for deb in "${tool_debs[0]}" "${window_debs[0]}"; do
        echo "$(sha256sum "$deb" | cut -d' ' -f1)  ${deb##*/}, installed size $(dpkg-deb -f "$deb" Installed-Size) KiB"
    done
    echo "packages: lintian clean, programs hardened, unpacked programs and files check out, built twice to the same bytes"
}

main
