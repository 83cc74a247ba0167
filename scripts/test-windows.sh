#!/usr/bin/env bash
# Cross-builds the core, the command-line tool, the converter, the editor, the core tests
# and the window tests for 64-bit Windows with MinGW-w64 (Qt for Windows comes from
# scripts/build-qt-windows.sh, which builds it once into its cache), runs the core tests
# under wine, checks that the editor starts there, and runs one round trip of
# the command-line tool (demo-game, import, to-json, from-json, export) under wine and on
# Linux, comparing every file the two write byte for byte. Then builds the programs once
# more in Release, warnings as errors: the optimiser warns of things the test build
# never sees.
#
# LINUX_BUILD names a Linux build folder to take kvrdesk-cli from (default: build, as
# scripts/test.sh leaves it); without one a small one is made in build-linux-cli.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)

scripts/setup.sh cmake ninja-build g++-mingw-w64-x86-64-posix wine wine64 googletest libcli11-dev nlohmann-json3-dev \
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

scripts/build-qt-windows.sh
qt=$(scripts/build-qt-windows.sh --prefix)

cmake -S . -B "$win" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
  -DKVR_GUI=ON -DKVR_QT_WINDOWS="$qt" -DKVR_BENCH=OFF -DKVR_WERROR=ON
cmake --build "$win" -j"$jobs"

linux=${LINUX_BUILD:-build}
if [ ! -x "$linux/bin/kvrdesk-cli" ]; then
  linux=build-linux-cli
  cmake -S . -B "$linux" -G Ninja -DKVR_GUI=OFF -DKVR_BENCH=OFF -DKVR_WERROR=ON
  cmake --build "$linux" -j"$jobs" --target kvrdesk-cli kvr-data
fi

echo "== The core tests under wine"
log=$(mktemp)
wine "$win/bin/kvrtests.exe" --gtest_brief=1 | tee "$log"
passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\./\1/p' "$log")
skipped=$(sed -n 's/^\[  SKIPPED \] \([0-9]*\) tests\?.*/\1/p' "$log")
rm -f "$log"

echo "== The editor under wine"
# Its Qt DLLs, plugins and runtime DLLs are found beside it, or it would not start.
editor_version=$(wine "$win/bin/kvrdesk.exe" --version | tr -d '\r')
echo "$editor_version"
[ "$editor_version" = "kvrdesk $(sed -n 's/^project(kvrdesk VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)" ] || {
  echo "kvrdesk.exe --version did not answer"; exit 1; }

echo "== The round trip, on Linux and under wine"
work=$(mktemp -d "$root/$win/round-trip.XXXXXX")
trap 'rm -rf "$work"' EXIT
# The same steps in `dir` with `cli` and the shipped `data`, every path relative, so
# that both write the same bytes.
round_trip() {
  local dir=$1 cli=$2 data=$3
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

if [ "$different" -ne 0 ] || [ -z "$passed" ]; then
  echo "windows: FAILED"
  exit 1
fi

echo "== The programs in Release"
release=build-mingw-release
cmake -S . -B "$release" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DKVR_GUI=OFF -DKVR_BENCH=OFF -DKVR_WERROR=ON
cmake --build "$release" -j"$jobs" --target kvrdesk-cli kvrjam
echo "windows: ${passed} passed, 0 failed, ${skipped:-0} skipped"
