#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the editor and opens a game: the one given, else the configured one, else a
# demo installation made in build/demo-game.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j"$(nproc)"

game="${1:-}"
config="${XDG_CONFIG_HOME:-$HOME/.config}/kvrdesk/kvrdesk.set"
if [ -z "$game" ] && [ ! -f "$config" ]; then
  game=build/demo-game
  if [ ! -d "$game" ]; then
    build/bin/kvrdesk-cli demo-game "$game" --cd-folder build/demo-cd
  fi
fi

if [ -x build/bin/kvrdesk ]; then
  args=()
  [ -n "$game" ] && args+=("$game")
  if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: starting the editor under xvfb-run (nothing will be visible)."
    exec xvfb-run -a build/bin/kvrdesk "${args[@]}"
  fi
  exec build/bin/kvrdesk "${args[@]}"
fi

# Without the windows: show what the game holds.
build/bin/kvrdesk-cli version --game "$game"
build/bin/kvrdesk-cli import --game "$game" --output build/demo.KVS
build/bin/kvrdesk-cli to-json build/demo.KVS
