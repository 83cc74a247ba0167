#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything and runs every test: a normal build, then the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the fuzz targets briefly, then the
# whole program built for Windows and tested under wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
passed=0

# Runs ctest in a build folder and adds up the tests it passed.
run_ctest() {
  local log
  log=$(mktemp)
  ctest --test-dir "$1" --output-on-failure -j"$jobs" | tee "$log"
  local n
  n=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$log")
  passed=$((passed + ${n:-0}))
  rm -f "$log"
}

# Hardened as the package is, so that packaging it builds nothing again.
cmake -S . -B build -G Ninja -DKVR_WERROR=ON -DKVR_HARDENING=ON
cmake --build build -j"$jobs"
run_ctest build

# The Debian package from that build, checked by lintian and unpacked.
scripts/package-linux.sh

cmake -S . -B build-asan -G Ninja -DKVR_WERROR=ON -DKVR_SANITIZE=ON -DKVR_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_ctest build-asan

if [ -x scripts/fuzz.sh ]; then
  scripts/fuzz.sh
fi

# The whole program cross-built for Windows, tested under wine.
scripts/test-windows.sh

echo "tests: ${passed} passed, 0 failed"
