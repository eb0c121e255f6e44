#!/usr/bin/env bash
# Installs what is missing, builds the application alone, optimised (no tests or benchmarks),
# and opens Kirvolt on its bundled example circuit.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install_dependencies.sh
cmake --preset application
cmake --build --preset application -j "$(nproc)" --target kirvolt
exec build/application/src/app/kirvolt examples/voltage_divider.kvt
