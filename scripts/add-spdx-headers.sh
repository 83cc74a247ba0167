#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence line at the top of every source, script and build file of ours that git
# tracks, in the file's own comment syntax (after a shebang); files that have it are left
# alone, so a second run changes nothing. With --check it changes nothing and lists the
# files without the line (exit 1 when there is one; 77 when this is not a git checkout).
# Data, translations, documents and pictures carry no such line.
set -euo pipefail
cd "$(dirname "$0")/.."

line='SPDX-License-Identifier: GPL-3.0-or-later'
check=0
[ "${1:-}" != --check ] || check=1

# The comment that starts a line in `file`, or nothing when the file is not of our kinds.
comment_for() {
  local file=$1
  case "$file" in
    *.cpp | *.h | *.rc.in) echo '//' ;;
    *.sh | *.cmake | */CMakeLists.txt | CMakeLists.txt | dist/bash-completion/*) echo '#' ;;
    *.nsi | *.nsh) echo ';' ;;
    *)
      # A script without an extension (.ci/run) says what it is in its first line.
      if head -c 2 "$file" 2> /dev/null | grep -q '^#!'; then echo '#'; fi
      ;;
  esac
}

has_line() { head -n 3 "$1" | grep -qF "$line"; }

git rev-parse --is-inside-work-tree > /dev/null 2>&1 || { echo "not a git checkout: nothing to look at" >&2; exit 77; }
missing=()
while IFS= read -r -d '' file; do
  [ -f "$file" ] || continue
  prefix=$(comment_for "$file")
  [ -n "$prefix" ] || continue
  has_line "$file" && continue
  if [ "$check" = 1 ]; then
    missing+=("$file")
    continue
  fi
  tmp=$(mktemp "$file.spdx.XXXXXX")
  if head -c 2 "$file" | grep -q '^#!'; then
    { printf '%s\n' "$(head -n 1 "$file")"; echo "$prefix $line"; tail -n +2 "$file"; } > "$tmp"
  else
    { echo "$prefix $line"; cat "$file"; } > "$tmp"
  fi
  # The file keeps its mode (scripts stay executable).
  chmod --reference="$file" "$tmp"
  mv "$tmp" "$file"
  echo "added: $file"
done < <(git ls-files -z)

if [ "$check" = 1 ] && [ ${#missing[@]} -gt 0 ]; then
  echo "${#missing[@]} files have no '$line' in their first lines (scripts/add-spdx-headers.sh adds it):" >&2
  printf '  %s\n' "${missing[@]}" >&2
  exit 1
fi
