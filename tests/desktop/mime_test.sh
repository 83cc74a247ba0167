#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the MIME types and the menu entry into a scratch XDG_DATA_HOME, as a package
# does, and asks the desktop's own tools what a settings file and a patch are and what
# opens them.
# Usage: mime_test.sh MIME_XML DESKTOP_ENTRY ICON_DIR
set -uo pipefail
export LC_ALL=C
mime_xml=$1
entry=$2
icons=$3
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
for tool in xdg-mime update-mime-database; do
  command -v "$tool" > /dev/null || { echo "no $tool (Debian: xdg-utils, shared-mime-info)"; exit 77; }
done

data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT
mkdir -p "$data/mime/packages" "$data/applications" "$data/files"
cp "$mime_xml" "$data/mime/packages/net.kvrdesk.kvrdesk.xml"
update-mime-database "$data/mime" || fail "update-mime-database refused the types"
cp "$entry" "$data/applications/"
command -v update-desktop-database > /dev/null && update-desktop-database "$data/applications" 2> /dev/null
export XDG_DATA_HOME=$data XDG_DATA_DIRS=/usr/share XDG_CONFIG_HOME=$data/config XDG_CURRENT_DESKTOP=

# A file's name | its content | the type expected.
while IFS='|' read -r name content expected; do
  [ -n "$name" ] || continue
  printf '%b' "$content" > "$data/files/$name"
  got=$(xdg-mime query filetype "$data/files/$name" 2> /dev/null | cut -d';' -f1)
  [ "$got" = "$expected" ] || fail "$name: expected $expected, got '$got'"
done <<'TABLE'
MINE.KVS|\x01\x02\x03|application/x-kvrdesk-settings
mine.kvs|\x01\x02\x03|application/x-kvrdesk-settings
Mod.Kvs||application/x-kvrdesk-settings
faster.kvpatch|{\n  "kvpatch": 1,\n  "changes": []\n}\n|application/x-kvrdesk-patch
LOUD.KVPATCH|{ "kvpatch": 1 }|application/x-kvrdesk-patch
patch-without-its-ending|{\n  "kvpatch": 1,\n  "changes": []\n}\n|application/x-kvrdesk-patch
TABLE

for type in application/x-kvrdesk-settings application/x-kvrdesk-patch; do
  got=$(xdg-mime query default "$type" 2> /dev/null)
  [ "$got" = net.kvrdesk.kvrdesk.desktop ] || fail "$type opens with '$got', not kvrdesk"
  grep -q "<icon name=\"${type/\//-}\"/>" "$mime_xml" || fail "$type names no icon of its own"
  [ -f "$icons/${type/\//-}.svg" ] || fail "no icon $icons/${type/\//-}.svg"
done

[ "$failures" -eq 0 ] || exit 1
echo "MIME types: every file known by name (any case) or content, and opened with kvrdesk"
