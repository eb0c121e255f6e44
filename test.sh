#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole suite headless: first the normal
# build (warnings are errors), then the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, then a minute of every fuzz target. KIRVOLT_SKIP_ASAN=1 and
# KIRVOLT_SKIP_FUZZ=1 skip those passes.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install_dependencies.sh
export QT_QPA_PLATFORM=offscreen

jobs=$(nproc)
run_preset() {
  cmake --preset "$1"
  cmake --build --preset "$1" -j "$jobs"
  ctest --preset "$1" -j "$jobs"
}

run_preset default
if [ "${KIRVOLT_SKIP_ASAN:-0}" != 1 ]; then
  run_preset asan
fi
if [ "${KIRVOLT_SKIP_FUZZ:-0}" != 1 ]; then
  cmake --preset fuzz
  cmake --build --preset fuzz -j "$jobs"
  scripts/run_fuzzers.sh 60
fi
