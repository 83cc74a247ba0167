#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the editor as a user would, on an X server of its own (Xvfb) without a window
# manager, with xdotool: starts it on GAME, waits for the main window and saves its
# picture, opens the Engine Power editor from its button, types 777 BHP for the first
# team's qualifying engine and presses "Export data into game", then answers the message.
# Every wait is bounded; the editor is stopped at the end whatever happened.
#
#   scripts/drive-editor.sh GAME SCREENSHOT.png COMMAND...   (the editor, e.g. wine kvrdesk.exe)
#
# Under wine the game folder is given as the Windows path of GAME.
set -euo pipefail
game=$1 screenshot=$2
shift 2
command=("$@")

fail() { echo "drive-editor: $*" >&2; exit 1; }

# Polls `what` (a command) every half second for at most `seconds`.
wait_for() {
  local seconds=$1
  shift
  local end=$((SECONDS + seconds))
  until "$@"; do
    [ $SECONDS -lt $end ] || return 1
    sleep 0.5
  done
}

display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3> "$display_file" 2> /dev/null &
xvfb=$!
editor=
cleanup() {
  if [ -n "$editor" ]; then
    kill "$editor" 2> /dev/null || true
    [ "${command[0]}" != wine ] || timeout 30 wineserver -k 2> /dev/null || true
    wait "$editor" 2> /dev/null || true
  fi
  kill "$xvfb" 2> /dev/null || true
  wait "$xvfb" 2> /dev/null || true
  rm -f "$display_file"
}
trap cleanup EXIT
wait_for 30 test -s "$display_file" || fail "the X server did not start"
export DISPLAY=":$(head -1 "$display_file")"

target=$game
if [ "${command[0]}" = wine ]; then
  target=$(winepath -w "$game")
  # wine's desktop belongs to the session that began it: one begun without an X server (a
  # command-line run just before) never shows a window on this one. The editor begins its own.
  timeout 60 wineserver -w 2> /dev/null || timeout 30 wineserver -k 2> /dev/null || true
fi
"${command[@]}" "$target" > /dev/null 2>&1 &
editor=$!

window() { xdotool search --onlyvisible --name "$1" 2> /dev/null | head -1; }
found() { [ -n "$(window "$1")" ]; }

# What the screen shows when a wait fails: the whole screen beside SCREENSHOT, and the windows.
show_screen() {
  import -window root "${screenshot%.png}-screen.png" 2> /dev/null || true
  xdotool search --onlyvisible --name . 2> /dev/null | while read -r w; do
    echo "drive-editor: a window \"$(xdotool getwindowname "$w" 2> /dev/null)\" is shown" >&2; done || true
}
wait_for 150 found 'Morvane Softcrafts KVR Editor' || { show_screen;
  fail "the main window never appeared (150 s for a window titled \"* Morvane Softcrafts KVR Editor *\")"; }
main=$(window 'Morvane Softcrafts KVR Editor')
# The splash window closes and the buttons are painted once the window is on screen.
sleep 3
import -window "$main" "$screenshot"
colours=$(identify -format '%k' "$screenshot")
[ "$colours" -gt 50 ] || fail "the main window's picture is nearly blank ($colours colours)"

# Engine Power is the first column's second button; the menu bar is above the buttons.
xdotool mousemove --window "$main" 87 115 click 1
wait_for 60 found '^Engine power$' || fail "the Engine Power window did not open from its button"
power=$(window '^Engine power$')
xdotool windowfocus --sync "$power" 2> /dev/null || true
sleep 1
# The window opens with the first team's BHP box in focus; leaving it keeps the value,
# and two steps back from it (past Back) is "Export data into game".
xdotool key --clearmodifiers ctrl+a
xdotool type --delay 50 777
xdotool key --clearmodifiers shift+Tab shift+Tab space
wait_for 60 found '^Information$' || fail "no message came after \"Export data into game\""
xdotool windowfocus --sync "$(window '^Information$')" 2> /dev/null || true
xdotool key --clearmodifiers Return
wait_for 30 bash -c '! xdotool search --onlyvisible --name "^Information$" > /dev/null 2>&1' ||
  fail "the message did not close"
echo "drive-editor: main window shown ($screenshot), Engine Power exported"
