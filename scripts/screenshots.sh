#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Refreshes the pictures of every window in docs/screenshots (shown in the README): a
# demo game is made, the editor opens it under xvfb-run and saves each window, then quits.
#   scripts/screenshots.sh [--lang de|it|es|fr|nl] [DIR]
# With --lang the windows speak that language and the pictures go into DIR (by default
# docs/screenshots/LANG, so the README's English gallery stays).
set -euo pipefail
cd "$(dirname "$0")/.."
lang=en
if [ "${1:-}" = "--lang" ]; then
  lang=${2:?"--lang needs a language: en, de, it, es, fr or nl"}
  shift 2
fi
case "$lang" in
  en | de | it | es | fr | nl) ;;
  *) echo "screenshots.sh: unknown language '$lang' (en, de, it, es, fr, nl)" >&2; exit 2 ;;
esac
out=${1:-docs/screenshots}
[ "$lang" = en ] || out=${1:-docs/screenshots/$lang}
build=${KVR_BUILD:-build}
cmake --build "$build" -j"$(nproc)" --target kvrdesk kvrdesk-cli kvr-data >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bin/kvrdesk-cli" demo-game "$work/game" >/dev/null
# Two mods that share a value, for the Mods window; they change only grip of other
# sessions, which no other picture shows.
cat >"$work/wet.kvpatch" <<'EOF2'
{"kvpatch": 1, "title": "Wet weekend", "author": "Ann",
 "description": "More grip for the cars in the midfield, for a race in the rain.",
 "changes": [{"field": "grip.race[3]", "from": 15970, "to": 16500},
             {"field": "grip.race[4]", "from": 15910, "to": 16400}]}
EOF2
cat >"$work/fast.kvpatch" <<'EOF2'
{"kvpatch": 1, "title": "Fast front", "author": "Ben", "description": "Grip for the front runners.",
 "changes": [{"field": "grip.race[0]", "from": 16150, "to": 17000},
             {"field": "grip.race[3]", "from": 15970, "to": 17200}]}
EOF2
"$build/bin/kvrdesk-cli" mods --game "$work/game" on "$work/wet.kvpatch" "$work/fast.kvpatch" >/dev/null
# The language as Options > Language would have remembered it.
mkdir -p "$work/config/kvrdesk" "$out"
printf '[General]\nlanguage=%s\n' "$lang" >"$work/config/kvrdesk/kvrdesk.ini"
XDG_CONFIG_HOME="$work/config" xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/bin/kvrdesk" "$work/game" --screenshots "$out"
ls "$out"
