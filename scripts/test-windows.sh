#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds the core, the command-line tool, the converter, the editor, the core tests
# and the window tests for 64-bit Windows with MinGW-w64 (Qt for Windows comes from
# scripts/build-qt-windows.sh, which builds it once into its cache), then under wine:
# runs the core tests and the window tests (offscreen), checks that the editor starts,
# runs one round trip of the command-line tool (demo-game, import, to-json, from-json,
# export) under wine and on Linux comparing every file the two write byte for byte, shows
# the editor's real window on an X server and exports an edit from it (the same bytes as
# the Linux editor writes), and builds, installs and uninstalls the Windows installer.
# The Windows build is a Release build, warnings as errors: the optimiser warns of
# things a debug build never sees.
#
# LINUX_BUILD names a Linux build folder to take kvrdesk-cli and kvrdesk from (default:
# build, as scripts/test.sh leaves it); without one a small one is made in build-linux-cli.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)

scripts/setup.sh cmake ninja-build g++-mingw-w64-x86-64-posix wine wine64 googletest libcli11-dev nlohmann-json3-dev \
  xvfb xdotool imagemagick fonts-dejavu-core nsis \
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n

# A wine of our own, quiet, inside the build folder.
win=build-mingw
export WINEPREFIX="$root/$win/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$win"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Preparing wine in $WINEPREFIX"
  wineboot --init
  wineserver --wait
fi

# Runs a command for at most `seconds`; says what was stopped when it took longer.
bounded() {
  local seconds=$1 what=$2 rc=0
  shift 2
  timeout "$seconds" "$@" || rc=$?
  [ "$rc" -ne 124 ] || echo "$what: stopped after $seconds s without an answer" >&2
  return "$rc"
}

scripts/build-qt-windows.sh
qt=$(scripts/build-qt-windows.sh --prefix)

# One unity build: the Qt headers are read a few times rather than once per file.
cmake -S . -B "$win" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DCMAKE_BUILD_TYPE=Release -DKVR_GUI=ON -DKVR_QT_WINDOWS="$qt" -DKVR_BENCH=OFF -DKVR_WERROR=ON \
  -DCMAKE_UNITY_BUILD=ON
cmake --build "$win" -j"$jobs"

linux=${LINUX_BUILD:-build}
if [ ! -x "$linux/bin/kvrdesk-cli" ] || [ ! -x "$linux/bin/kvrdesk" ]; then
  linux=build-linux-cli
  cmake -S . -B "$linux" -G Ninja -DKVR_BENCH=OFF -DCMAKE_UNITY_BUILD=ON
  cmake --build "$linux" -j"$jobs" --target kvrdesk kvrdesk-cli kvr-data
fi

echo "== The core tests under wine"
log=$(mktemp)
bounded 1800 "the core tests under wine" wine "$win/bin/kvrtests.exe" --gtest_brief=1 | tee "$log"
passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\./\1/p' "$log")
skipped=$(sed -n 's/^\[  SKIPPED \] \([0-9]*\) tests\?.*/\1/p' "$log")
rm -f "$log"

echo "== The window tests under wine"
# wine hands no QT_* variable on from Unix: the platform is chosen on the command line,
# and the offscreen platform's font folder is set by cmd inside wine. QtTest writes its
# results into a file, which wine's console cannot garble.
fonts=$(winepath -w /usr/share/fonts/truetype/dejavu)
results="$win/window-tests"
rm -rf "$results"
mkdir -p "$results"
gui_programs=0 gui_passed=0 gui_failed=0 gui_skipped=0
for source in tests/gui/*_test.cpp; do
  name=$(basename "$source" .cpp)
  log="$results/$name.txt"
  # wine now and then fails to start a program at all: such a test gets a second start.
  for _ in 1 2; do
    rm -f "$log"
    bounded 600 "$name under wine" wine cmd /c "set QT_QPA_FONTDIR=$fonts&& $(winepath -w "$win/bin/$name.exe")" \
      -platform offscreen -o "$(winepath -w "$log"),txt" > "$log.console" 2>&1 || true
    [ -f "$log" ] || ! grep -q 'could not be started' "$log.console" || continue
    break
  done
  [ -f "$log" ] || mv "$log.console" "$log"
  totals=$(tr -d '\r' < "$log" | sed -n 's/^Totals: \([0-9]*\) passed, \([0-9]*\) failed, \([0-9]*\) skipped.*/\1 \2 \3/p')
  gui_programs=$((gui_programs + 1))
  if [ -z "$totals" ]; then
    echo "$name: ended without its results"
    tail -20 "$log"
    gui_failed=$((gui_failed + 1))
    continue
  fi
  read -r p f s <<< "$totals"
  gui_passed=$((gui_passed + p)) gui_failed=$((gui_failed + f)) gui_skipped=$((gui_skipped + s))
  echo "$name: $p passed, $f failed, $s skipped"
  [ "$f" -eq 0 ] || tr -d '\r' < "$log" | grep -A3 '^FAIL!'
  tr -d '\r' < "$log" | grep '^SKIP' || true
done
echo "window tests: $gui_programs programs, $gui_passed passed, $gui_failed failed, $gui_skipped skipped"

echo "== The editor under wine"
# Its Qt DLLs, plugins and runtime DLLs are found beside it, or it would not start.
editor_version=$(bounded 60 "kvrdesk.exe --version" wine "$win/bin/kvrdesk.exe" --version | tr -d '\r')
echo "$editor_version"
[ "$editor_version" = "kvrdesk $(sed -n 's/^project(kvrdesk VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)" ] || {
  echo "kvrdesk.exe --version did not answer"; exit 1; }

echo "== The round trip, on Linux and under wine"
work=$(mktemp -d "$root/$win/round-trip.XXXXXX")
trap 'rm -rf "$work"' EXIT
# The same steps in `dir` with `cli` and the shipped `data`, every path relative, so
# that both write the same bytes.
round_trip() {
  local dir=$1 cli="bounded 120 kvrdesk-cli $2" data=$3
  mkdir -p "$dir/home"
  cp -r "$data" "$dir/home/DATA"
  (
    cd "$dir"
    $cli demo-game game --home home
    $cli import --game game -o a.KVS --home home
    $cli to-json a.KVS > a.json
    sed -e 's/"Aurel Venkamp"/"Aurel Vennkamp"/' a.json > b.json
    $cli from-json b.json -o b.KVS
    $cli export --game game -i b.KVS --home home
    $cli import --game game -o c.KVS --home home
    $cli to-json c.KVS > c.json
  )
}
round_trip "$work/linux" "$root/$linux/bin/kvrdesk-cli" "$root/$linux/share/kvrdesk/DATA"
round_trip "$work/windows" "wine $root/$win/bin/kvrdesk-cli.exe" "$root/$win/share/kvrdesk/DATA"

grep -q '"Aurel Vennkamp"' "$work/linux/c.json" || { echo "the export did not reach the game"; exit 1; }
compared=0
different=0
while IFS= read -r -d '' f; do
  name=${f#"$work/linux/"}
  if ! cmp -s "$f" "$work/windows/$name"; then
    echo "differs: $name"
    different=$((different + 1))
  fi
  compared=$((compared + 1))
done < <(find "$work/linux" -type f -print0)
only_windows=$(cd "$work/windows" && find . -type f | sort | sed 's|^\./||' | while read -r n; do
  [ -e "$work/linux/$n" ] || echo "$n"; done)
if [ -n "$only_windows" ]; then
  echo "written only under wine: $only_windows"
  different=$((different + 1))
fi
origs=$(find "$work/linux/game" -name '*.orig' | wc -l)
echo "round trip: $compared files compared ($origs backups among them), $different differ"

if [ "$different" -ne 0 ] || [ -z "$passed" ] || [ "$gui_failed" -ne 0 ]; then
  echo "windows: FAILED"
  exit 1
fi

# The real window and the installer; KVR_WINDOWS_DESKTOP=0 leaves them out while iterating.
if [ "${KVR_WINDOWS_DESKTOP:-1}" = 0 ]; then
  echo "windows: ${passed} core tests passed, 0 failed, ${skipped:-0} skipped; window tests: $gui_programs programs," \
    "$gui_passed passed, 0 failed, $gui_skipped skipped (real window and installer left out)"
  exit 0
fi

echo "== The editor's real window under wine, and the same edit by the Linux editor"
# Nothing of the tests may still be running in this wine.
timeout 60 wineserver -k || true
shown="$win/real-window"
rm -rf "$shown"
mkdir -p "$shown"
bounded 120 "kvrdesk-cli.exe demo-game" wine "$win/bin/kvrdesk-cli.exe" demo-game "$shown/windows-game" > /dev/null
scripts/drive-editor.sh "$shown/windows-game" "$win/windows-main.png" wine "$root/$win/bin/kvrdesk.exe"
"$linux/bin/kvrdesk-cli" demo-game "$shown/linux-game" > /dev/null
XDG_CONFIG_HOME="$root/$shown/linux-config" scripts/drive-editor.sh "$shown/linux-game" "$shown/linux-main.png" \
  env QT_QPA_PLATFORM=xcb "$root/$linux/bin/kvrdesk"
if [ ! -f "$shown/windows-game/KVR.EXE.orig" ] || cmp -s "$shown/windows-game/KVR.EXE" "$shown/windows-game/KVR.EXE.orig"; then
  echo "the export from the window did not reach KVR.EXE"
  exit 1
fi
if ! diff -r "$shown/linux-game" "$shown/windows-game"; then
  echo "the Windows editor wrote other bytes into the game than the Linux editor"
  exit 1
fi
echo "real window: shown ($win/windows-main.png), the export wrote the same bytes as on Linux"

echo "== The Windows installer"
bounded 900 "scripts/package-windows.sh" scripts/package-windows.sh
bounded 1200 "scripts/check-windows-package.sh" scripts/check-windows-package.sh

echo "windows: ${passed} core tests passed, 0 failed, ${skipped:-0} skipped; window tests: $gui_programs programs," \
  "$gui_passed passed, 0 failed, $gui_skipped skipped; real window and installer checked"
