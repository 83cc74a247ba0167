#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual pages as man shows them: without a warning from the formatter, kvrdesk-cli's
# with every command and every option its help lists (the help options once, for all),
# and its exit codes.
# Usage: manual_pages_test.sh MAN_DIR KVRDESK-CLI
set -uo pipefail
export LC_ALL=C.UTF-8 MANWIDTH=100
pages=$1
cli=$2
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
command -v man > /dev/null || { echo "no man (Debian: man-db)"; exit 77; }

# The formatter's warnings go to a scratch folder, not beside the pages that are installed.
warnings=$(mktemp -d)
trap 'rm -rf "$warnings"' EXIT
shown() { man --warnings -l "$pages/$1.1" 2> "$warnings/$1" | col -b; }
for page in kvrdesk kvrdesk-cli kvrjam; do
  [ -f "$pages/$page.1" ] || { fail "no manual page $page.1"; continue; }
  text=$(shown "$page")
  [ ! -s "$warnings/$page" ] || fail "$page.1: $(head -3 "$warnings/$page")"
  for section in NAME SYNOPSIS DESCRIPTION 'SEE ALSO'; do
    grep -q "^$section" <<< "$text" || fail "$page.1 has no $section"
  done
  grep -q "^NAME" -A1 <<< "$text" && grep -A1 "^NAME" <<< "$text" | grep -q "$page - " ||
    fail "$page.1: its NAME does not say what $page is"
done

text=$(shown kvrdesk-cli)
commands=$("$cli" --help | sed -n '/^Subcommands:/,$p' | sed -n 's/^  \([a-z-]*\)  .*/\1/p')
[ -n "$commands" ] || fail "kvrdesk-cli --help lists no commands"
for command in $commands; do
  # The command's own part of the page, from its heading to the next command's.
  part=$(awk -v c="$command" '$1 == "kvrdesk-cli" && $2 == c {on = 1; next}
    on && (/^ +kvrdesk-cli [a-z]/ || /^[A-Z]/) {exit} on' <<< "$text")
  [ -n "$part" ] || { fail "kvrdesk-cli.1 shows no command $command"; continue; }
  for option in $("$cli" "$command" --help | grep -oE '^  (-[a-z],)?--[a-z-]+' | grep -oE -- '--[a-z-]+' | grep -vxE -- '--help|--help-all'); do
    grep -qe "$option" <<< "$part" || fail "kvrdesk-cli.1: $command without its option $option"
  done
done
for code in 0 1 2 3 4 5; do
  grep -qE "^ +$code +[a-z]" <<< "$text" || fail "kvrdesk-cli.1 does not say what exit code $code means"
done
[ "$failures" -eq 0 ] || exit 1
echo "manual pages: shown without warnings; kvrdesk-cli's with every command, option and exit code"
