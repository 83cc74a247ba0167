#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up time of the editor's main window against a bare Qt main window, both under one
# X server (xvfb-run), several runs each, alternating; prints the medians and their ratio,
# twice: until the main window is shown (what the user waits for; each program says when,
# by the launcher's clock) and until the program has ended.
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-15}
game=$(mktemp -d)
home=$(mktemp -d)
trap 'rm -rf "$game" "$home"' EXIT
"$build/bin/kvrdesk-cli" demo-game "$game/demo" >/dev/null

export KVR_BUILD="$build" KVR_GAME="$game/demo" KVR_RUNS="$runs" XDG_CONFIG_HOME="$home"
xvfb-run -a bash -c '
  # One run: "SHOWN_MS ENDED_MS".
  took() {
    local t0 t1 shown
    t0=$(date +%s%N)
    shown=$(KVR_LAUNCH_NS=$t0 "$@" 2>/dev/null | sed -n "s/^shown after \([0-9.]*\) ms$/\1/p")
    t1=$(date +%s%N)
    echo "${shown:-0} $(( (t1 - t0) / 1000000 ))"
  }
  median() { sort -n | awk "{ a[NR] = \$1 } END { print a[int((NR + 1) / 2)] }"; }
  # One warm-up run each fills the file caches.
  took "$KVR_BUILD/bin/kvr-bare-window" >/dev/null
  took "$KVR_BUILD/bin/kvrdesk" "$KVR_GAME" --startup-only >/dev/null
  bare=(); editor=()
  for i in $(seq "$KVR_RUNS"); do
    bare+=("$(took "$KVR_BUILD/bin/kvr-bare-window")")
    editor+=("$(took "$KVR_BUILD/bin/kvrdesk" "$KVR_GAME" --startup-only)")
  done
  for column in 1 2; do
    b=$(printf "%s\n" "${bare[@]}" | cut -d" " -f$column | median)
    e=$(printf "%s\n" "${editor[@]}" | cut -d" " -f$column | median)
    [ "$column" = 1 ] && what="shown" || what="ended"
    awk -v e="$e" -v b="$b" -v w="$what" -v n="$KVR_RUNS" \
      "BEGIN { printf \"main window %s: bare Qt %s ms, kvrdesk %s ms (medians of %d), ratio %.2f\n\", w, b, e, n, e / b }"
  done
'
