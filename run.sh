#!/usr/bin/env bash
# Installs what is missing, builds, and opens Kirvolt on its bundled example circuit.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install_dependencies.sh
cmake --preset default
cmake --build --preset default -j "$(nproc)"
exec build/default/src/app/kirvolt examples/voltage_divider.kvt
