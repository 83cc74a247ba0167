#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each for a short while on a copy of
# its seed corpus (fuzz/corpus/<target>). Exits non-zero when a target crashes; the
# input that did it is kept in <build>/artifacts/<target>/ for a regression test.
# Needs clang and libFuzzer (Debian: clang libclang-rt-14-dev) besides the usual
# build packages. KVR_FUZZ_SECONDS (default 20) sets the time per target.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${KVR_FUZZ_BUILD:-$root/build-fuzz}
seconds=${KVR_FUZZ_SECONDS:-20}
targets=(dib256 dib game_palette cockpit_definition xy_tables jam record_json record_patch source_checks mod_list)

if ! command -v clang++ >/dev/null; then
  echo "fuzz.sh: clang++ is missing (Debian: apt-get install clang libclang-rt-14-dev)" >&2
  exit 2
fi
if ! compgen -G "/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-$(uname -m).a" >/dev/null; then
  echo "fuzz.sh: libFuzzer is missing (Debian: apt-get install libclang-rt-14-dev)" >&2
  exit 2
fi

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DKVR_FUZZ=ON -DKVR_WERROR=ON -DKVR_GUI=OFF -DKVR_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target kvr-fuzz

failed=0
for t in "${targets[@]}"; do
  work="$build/corpus/$t"
  artifacts="$build/artifacts/$t"
  mkdir -p "$work" "$artifacts"
  echo "== fuzzing $t for ${seconds}s"
  if ! "$build/bin/${t}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$artifacts/" "$work" "$root/fuzz/corpus/$t" 2>"$build/$t.log"; then
    echo "fuzz.sh: $t crashed; input kept in $artifacts" >&2
    tail -n 40 "$build/$t.log" >&2
    failed=1
  else
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)' "$build/$t.log" || true
  fi
done
exit $failed
