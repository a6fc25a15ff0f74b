#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT
#
# The whole-process figure: a million verses to /dev/null, wall time and peak
# memory as /usr/bin/time -v reports them.
#   bench/engine/million_verses.sh BUILD_DIR [WORD_LIST]
set -euo pipefail

readonly here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
readonly tool="${1:?usage: million_verses.sh BUILD_DIR [WORD_LIST]}/cli/wumpel-verse"
readonly list="${2:-$here/example_list_1.txt}"

/usr/bin/time -v "$tool" --count 1000000 --seed 7 <"$list" 2>&1 >/dev/null |
    grep -E 'Elapsed \(wall clock\)|Maximum resident set size'
