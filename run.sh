#!/usr/bin/env bash
# Installs what is missing, builds, and shows Kirvolt's bundled example circuit.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install_dependencies.sh
cmake --preset default
cmake --build --preset default -j "$(nproc)"
build/default/src/cli/kirvolt-cli info examples/voltage_divider.kvt
