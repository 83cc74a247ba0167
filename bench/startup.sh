#!/usr/bin/env bash
# Start-up time of the editor's main window against a bare Qt main window, both under one
# X server (xvfb-run), several runs each; prints the medians and their ratio.
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
  # Milliseconds one program takes from start to exit.
  took() { local t0 t1; t0=$(date +%s%N); "$@" >/dev/null 2>&1; t1=$(date +%s%N); echo $(( (t1 - t0) / 1000000 )); }
  median() { sort -n | awk "{ a[NR] = \$1 } END { print a[int((NR + 1) / 2)] }"; }
  # One warm-up run each fills the file caches.
  took "$KVR_BUILD/bin/kvr-bare-window" >/dev/null
  took "$KVR_BUILD/bin/kvrdesk" "$KVR_GAME" --startup-only >/dev/null
  bare=(); editor=()
  for i in $(seq "$KVR_RUNS"); do
    bare+=("$(took "$KVR_BUILD/bin/kvr-bare-window")")
    editor+=("$(took "$KVR_BUILD/bin/kvrdesk" "$KVR_GAME" --startup-only)")
  done
  b=$(printf "%s\n" "${bare[@]}" | median)
  e=$(printf "%s\n" "${editor[@]}" | median)
  echo "bare Qt main window: ${b} ms (median of $KVR_RUNS)"
  echo "kvrdesk main window: ${e} ms (median of $KVR_RUNS)"
  awk -v e="$e" -v b="$b" "BEGIN { printf \"ratio: %.2f\n\", e / b }"
'
