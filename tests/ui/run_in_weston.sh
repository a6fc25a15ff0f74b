#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT
#
# run_in_weston.sh WIDTH HEIGHT COMMAND [ARGUMENT ...]
# Runs COMMAND as a Wayland client of a private headless weston with one output
# of WIDTH x HEIGHT and weston's own desktop shell, panel included, and no X11
# display; exits with COMMAND's status.
set -euo pipefail

readonly width="$1" height="$2"
shift 2
runtime="$(mktemp -d)"
readonly runtime
readonly socket=wumpel-test

XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --use-pixman --no-config --idle-time=0 \
    --width="$width" --height="$height" --socket="$socket" >"$runtime/weston.log" 2>&1 &
readonly weston_pid=$!
cleanup() {
    kill "$weston_pid" 2>/dev/null || true
    wait "$weston_pid" 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT

# The compositor is ready once its socket is there.
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    kill -0 "$weston_pid" 2>/dev/null || { cat "$runtime/weston.log" >&2; exit 1; }
    sleep 0.1
done
[ -S "$runtime/$socket" ] || { echo "weston did not start" >&2; exit 1; }

env -u DISPLAY -u WAYLAND_SOCKET XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" \
    QT_QPA_PLATFORM=wayland "$@"
