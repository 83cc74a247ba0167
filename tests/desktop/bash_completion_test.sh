#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs bash with kvrdesk-cli's completion over a table of command lines, and checks that
# the completion knows exactly the commands, options, editors and cockpit sets that
# kvrdesk-cli's own help lists.
# Usage: bash_completion_test.sh COMPLETION KVRDESK-CLI
set -uo pipefail
export LC_ALL=C
completion=$1
cli=$2
# shellcheck source=/dev/null
source "$completion"
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir game 'my mods'
touch a.KVS b.kvs c.Kvs mod.kvpatch OTHER.KVPATCH notes.txt data.json F1GSTATE.SAV F1CT01.DAT pic.bmp pic.png \
  'my mods/x.kvs' KVR.PAL

# Completes the line (the cursor at its end; a trailing blank starts a new word) and prints
# the candidates sorted, one line.
complete_line() {
  read -r -a COMP_WORDS <<< "$1"
  [[ $1 == *' ' ]] && COMP_WORDS+=('')
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _kvrdesk_cli
  printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}

# The line typed (a blank at its end starts a new word) | the candidates expected, sorted.
while IFS='|' read -r line expected; do
  [ -n "$line" ] || continue
  got=$(complete_line "kvrdesk-cli $line")
  [ "$got" = "$expected" ] || fail "'kvrdesk-cli $line': expected '$expected', got '$got'"
done <<'TABLE'
in|install-carset install-cockpit install-tracks
im|import
ver|version
--v|--version
import --o|--only --output
import --only na|names
import --only names,p|names,pitcrew names,pitline names,power
export --only grip,power,tr|grip,power,tracks
import --names |exe state
import --output |a.KVS b.kvs c.Kvs game my mods
export -i |a.KVS b.kvs c.Kvs game my mods
to-json b|b.kvs
apply |OTHER.KVPATCH game mod.kvpatch my mods
apply mod.kvpatch --last|--last-wins
from-json |data.json game my mods
checksum F|F1CT01.DAT F1GSTATE.SAV
picture p|pic.bmp
picture pic.bmp -o p|pic.png
picture --as |dib dib256
picture --palette K|KVR.PAL
install-cockpit f|F310B FW19
install-cockpit M|M197 MP412
install-tracks --p|--pack
export --game g|game
demo-game --language |0 1 2 3 4 6
demo-game m|my mods
diff a.KVS m|my mods
diff a.KVS b.kvs --v|--values-only
mods --game game |list move off on
mods --game game o|off on
mods --game game on |OTHER.KVPATCH game mod.kvpatch my mods
mods --game game move 2 --t|--to
mods --game g|game
TABLE

# The completion against the program's own help.
commands=$("$cli" --help | sed -n '/^Subcommands:/,$p' | sed -n 's/^  \([a-z-]*\)  .*/\1/p' | sort | xargs)
[ "$commands" = "$(printf '%s\n' $_kvrdesk_cli_commands | sort | xargs)" ] ||
  fail "the commands are '$commands', the completion has '$_kvrdesk_cli_commands'"
[ -n "$commands" ] || fail "kvrdesk-cli --help lists no commands"
for command in $commands; do
  help_options=$("$cli" "$command" --help | grep -oE '^  (-[a-z],)?--[a-z-]+' | tr ',' '\n' | tr -d ' ' | sort | tr '\n' ' ')
  completed=$(_kvrdesk_cli_options "$command" | tr ' ' '\n' | sed '/^$/d' | sort | tr '\n' ' ')
  [ "$help_options" = "$completed" ] || fail "$command: the help lists '$help_options', the completion '$completed'"
done
editors=$("$cli" import --help | tr -d '\n' | sed -n 's/.*buttons do: \([a-z, ]*\).*/\1/p' | tr -d ' ' | tr ',' ' ')
editors=${editors% }
[ "$editors" = "$_kvrdesk_cli_editors" ] || fail "the editors of --only are '$editors', the completion has '$_kvrdesk_cli_editors'"
cockpits=$("$cli" install-cockpit --help | tr -d '\n' | sed -n 's/.*SET[^{]*{\([A-Z0-9,]*\)}.*/\1/p' | tr ',' ' ')
[ "$(printf '%s\n' $cockpits | sort)" = "$(printf '%s\n' $_kvrdesk_cli_cockpits | sort)" ] ||
  fail "the cockpit sets are '$cockpits', the completion has '$_kvrdesk_cli_cockpits'"

[ "$failures" -eq 0 ] || exit 1
echo "bash completion: every line completed as expected, and it knows what kvrdesk-cli --help lists"
