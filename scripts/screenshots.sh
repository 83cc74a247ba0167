#!/usr/bin/env bash
# Refreshes the pictures of every window in docs/screenshots (shown in the README): a
# demo game is made, the editor opens it under xvfb-run and saves each window, then quits.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${KVR_BUILD:-build}
cmake --build "$build" -j"$(nproc)" --target kvrdesk kvrdesk-cli kvr-data >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bin/kvrdesk-cli" demo-game "$work/game" >/dev/null
mkdir -p docs/screenshots
XDG_CONFIG_HOME="$work/config" xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/bin/kvrdesk" "$work/game" --screenshots docs/screenshots
ls docs/screenshots
