#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole suite headless: first the normal
# build (warnings are errors), then the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer. KIRVOLT_SKIP_ASAN=1 skips the second pass.
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
