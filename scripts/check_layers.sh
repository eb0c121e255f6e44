#!/usr/bin/env bash
# Fails when a source file includes a header of a layer it may not reach. The build enforces
# the same through its libraries (each links only the layers below it); this names the line.
set -euo pipefail
cd "$(dirname "$0")/../src"

declare -A allowed=(
  [document]="document"
  [analysis]="document analysis"
  [equations]="document analysis equations"
  [drawing]="document drawing"
  [editing]="document analysis equations editing"
  [tutoring]="document analysis equations tutoring"
  [spice]="document analysis spice"
  [exercises]="document analysis spice exercises"
  [theorems]="document analysis equations spice theorems"
  [formulas]="document analysis spice theorems formulas"
  [export]="document analysis equations drawing export"
  [reporting]="document analysis equations drawing export spice theorems formulas reporting"
  [cli]="document analysis equations drawing export spice exercises theorems formulas reporting cli"
  [view]="document analysis equations drawing editing export spice view"
  [tutor]="document analysis equations tutoring view tutor"
  [app]="document analysis equations drawing editing tutoring export spice exercises theorems formulas reporting view tutor app"
)

status=0
for layer in "${!allowed[@]}"; do
  while IFS= read -r hit; do
    file=${hit%%:*}
    included=$(sed -E 's/.*#include "([a-z_]+)\/.*/\1/' <<<"$hit")
    if [[ " ${allowed[$layer]} " != *" $included "* ]]; then
      echo "$hit: the $layer layer may not include $included headers" >&2
      status=1
    fi
  done < <(grep -rnE '^#include "[a-z_]+/' "$layer" || true)
done
exit $status
