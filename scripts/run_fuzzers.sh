#!/usr/bin/env bash
# Runs every fuzz target of build/fuzz for the given number of seconds (60 by default) on its
# own seed corpus, fuzz/corpus/<fuzzer name>. Inputs found on the way go to a scratch folder,
# never into the repository; any crash, sanitizer report, leak or hang fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

for fuzzer in build/fuzz/fuzz/*_fuzzer; do
  name=$(basename "$fuzzer")
  mkdir -p "$scratch/$name"
  echo "Fuzzing $name for $seconds s"
  status=0
  "$fuzzer" -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$scratch/" -print_final_stats=1 "$scratch/$name" "fuzz/corpus/$name" >"$scratch/$name.log" 2>&1 ||
    status=$?
  tail -n 40 "$scratch/$name.log"
  if [ "$status" -ne 0 ]; then
    echo "$name failed; the input that did it:" >&2
    for artifact in "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-* "$scratch"/oom-*; do
      [ -e "$artifact" ] && base64 "$artifact" >&2
    done
    exit 1
  fi
done
