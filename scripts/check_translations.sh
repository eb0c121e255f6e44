#!/usr/bin/env bash
# check_translations.sh LUPDATE LIST_DIR TS_FILE...
# Runs lupdate, as the build's update_translations does (LIST_DIR holds its sources.lst and
# lupdate_options.txt), on a copy of each .ts file and fails if any message of the sources is
# left unfinished or any message of the file is no longer in the sources.
set -euo pipefail

lupdate=$1
list_dir=$2
shift 2
read -r -a options < "$list_dir/lupdate_options.txt"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

status=0
for ts in "$@"; do
  copy="$work/$(basename "$ts")"
  cp "$ts" "$copy"
  "$lupdate" -silent "@$list_dir/sources.lst" "${options[@]}" -ts "$copy"
  unfinished=$(grep -c 'type="unfinished"' "$copy" || true)
  leftover=$(grep -Ec 'type="(obsolete|vanished)"' "$copy" || true)
  if [ "$unfinished" -ne 0 ] || [ "$leftover" -ne 0 ]; then
    echo "$(basename "$ts"): $unfinished unfinished, $leftover no longer in the sources" >&2
    grep -B1 -E 'type="(unfinished|obsolete|vanished)"' "$copy" | grep -o '<source>.*' | head -n 5 >&2 || true
    status=1
  else
    echo "$(basename "$ts"): complete"
  fi
done
exit $status
