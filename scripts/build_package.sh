#!/usr/bin/env bash
# Builds the Debian package from an optimised build of the application and kirvolt-cli alone
# (the application preset) with CPack, and prints the package's path on its last line.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset application >/dev/null
nice -n 5 cmake --build --preset application -j "$(nproc)"
cd build/application
rm -f kirvolt_*.deb
cpack -G DEB >&2
ls "$PWD"/kirvolt_*.deb
