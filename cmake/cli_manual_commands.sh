#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the COMMANDS section of kvrdesk-cli's manual page (a help2man include file) from
# each command's own --help: its synopsis, what it does, its arguments and options.
# Usage: cli_manual_commands.sh KVRDESK-CLI OUT.h2m
set -euo pipefail
cli=$1
out=$2
commands=$("$cli" --help | sed -n '/^Subcommands:/,$p' | sed -n 's/^  \([a-z-]*\)  .*/\1/p')
[ -n "$commands" ] || { echo "$cli --help lists no commands" >&2; exit 1; }
{
  echo '[COMMANDS]'
  echo 'Each command takes \fB\-h\fR, \fB\-\-help\fR and \fB\-\-help\-all\fR as well.'
  for command in $commands; do
    "$cli" "$command" --help | awk -v command="$command" '
      function roff(s) { gsub(/\\/, "\\e", s); gsub(/-/, "\\-", s); return s }
      function line(s) { s = roff(s); return s ~ /^[.'"'"']/ ? "\\&" s : s }
      function flush() { if (term != "") { print ".TP"; print term; print line(text) } term = ""; text = "" }
      NR == 1 { summary = $0; next }
      /^Usage: / { sub(/^Usage: [^ ]*/, "kvrdesk-cli"); print ".SS \"" roff($0) "\""; print line(summary); next }
      /^Exit codes:/ { exit }
      /^[A-Z][a-z]*:$/ { flush(); next }
      /^  [^ ]/ {
        flush()
        entry = substr($0, 3)
        split(entry, parts, /  +/)
        if (parts[1] ~ /^(-h,--help|--help-all)$/) next
        n = split(parts[1], words, " ")
        term = "\\fB" roff(words[1]) "\\fR"
        for (i = 2; i <= n; i++) term = term " " roff(words[i])
        text = substr(entry, length(parts[1]) + 1)
        sub(/^ +/, "", text)
        next
      }
      /^    / { t = $0; sub(/^ +/, "", t); text = (text == "" ? t : text " " t); next }
      END { flush() }'
  done
} > "$out"
