#!/usr/bin/env bash
# Fails when the manual page or the bash completion of kirvolt-cli names other commands or
# options than the program's own --help: kirvolt-cli, its manual page source and its completion.
set -eu
cli=$1 manual=$2 completion=$3

help=$("$cli" --help)
options() { grep -oE -- '--[a-z][a-z-]*' | sort -u; }

help_commands=$(sed -n '/^Commands:/,/^Options:/p' <<<"$help" | grep -oE '^  [a-z]+' | tr -d ' ' | sort)
help_options=$(options <<<"$help")
manual_commands=$(sed -n '/^\.SH COMMANDS/,/^\.SH OPTIONS/p' "$manual" | grep -A1 '^\.TP' |
                  grep -oE '^\\fB[a-z]+\\fR' | sed -E 's/\\fB|\\fR//g' | sort)
manual_options=$(sed 's/\\-/-/g' "$manual" | options)
completion_commands=$(grep -oE 'commands="[^"]*"' "$completion" | sed -E 's/.*"(.*)"/\1/' | tr ' ' '\n' | sort)
completion_options=$(options <"$completion")

status=0
compare() {
  if [ "$2" != "$3" ]; then
    echo "$1 differ from kirvolt-cli --help (< help, > $1):"
    diff <(echo "$2") <(echo "$3") | grep '^[<>]' || true
    status=1
  fi
}
compare "the manual page's commands" "$help_commands" "$manual_commands"
compare "the manual page's options" "$help_options" "$manual_options"
compare "the completion's commands" "$help_commands" "$completion_commands"
compare "the completion's options" "$help_options" "$completion_options"
[ -n "$help_commands" ] || { echo "kirvolt-cli --help lists no commands"; status=1; }
exit $status
