#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One version everywhere: the project's CMake file names it and the release's day; the
# programs, the package's changelog and the software centre's description must say the same.
# Usage: version_test.sh VERSION DATE CHANGELOG METAINFO PROGRAM...
set -uo pipefail
export LC_ALL=C
version=$1
date=$2
changelog=$3
metainfo=$4
shift 4
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

top=$(head -n 1 "$changelog")
[ "$top" = "kvrdesk ($version) unstable; urgency=medium" ] || fail "the changelog's top entry is '$top', not $version"
signed=$(sed -n 's/^ -- .*>  \(.*\)$/\1/p' "$changelog" | head -n 1)
[ "$(date -u -d "$signed" +%F 2> /dev/null)" = "$date" ] || fail "the changelog's top entry is of '$signed', not $date"
grep -q "<release version=\"$version\" date=\"$date\"/>" "$metainfo" || fail "$metainfo does not name release $version of $date"
[ "$(grep -c '<release ' "$metainfo")" -ge 1 ] || fail "$metainfo holds no release"
for program in "$@"; do
  answer=$(QT_QPA_PLATFORM=offscreen "$program" --version)
  [ "$answer" = "$(basename "$program") $version" ] || fail "$program --version answered '$answer'"
done
[ "$failures" -eq 0 ] || exit 1
echo "version $version of $date: the programs, the changelog and the description agree"
