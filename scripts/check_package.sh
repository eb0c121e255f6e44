#!/usr/bin/env bash
# The release check: builds the Debian package, installs it with apt, runs kirvolt-cli and
# kirvolt (offscreen) from the installed paths on an installed example, purges it and fails
# when any file is left behind. KIRVOLT_PACKAGE_ROOT names a clean root (a chroot with apt) to
# install into; without it the package goes into the running machine, which must not have
# kirvolt installed already. Needs root.
set -euo pipefail
cd "$(dirname "$0")/.."

root=${KIRVOLT_PACKAGE_ROOT:-}
inside() { if [ -n "$root" ]; then chroot "$root" "$@"; else "$@"; fi; }
fail() { echo "check_package: $*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || fail "needs root to install the package"
if inside dpkg-query -W -f='${Status}' kirvolt 2>/dev/null | grep -q "install ok installed"; then
  fail "kirvolt is installed already; remove it first"
fi

deb=$(scripts/build_package.sh | tail -1)
echo "Package: $deb"
if [ -n "$root" ]; then
  cp "$deb" "$root/tmp/"
  deb=/tmp/$(basename "$deb")
  echo "Installing into the clean root $root"
else
  echo "No clean root given (KIRVOLT_PACKAGE_ROOT): installing into this machine"
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# Caches and logs change with every apt run; the package's own files live elsewhere.
snapshot() { inside find /usr /etc /opt -xdev -not -path '/etc/ld.so.cache' 2>/dev/null | sort; }
packages() { inside dpkg-query -W -f='${Package}\n' | sort; }

snapshot >"$scratch/before"
packages >"$scratch/packages_before"
DEBIAN_FRONTEND=noninteractive inside apt-get install -y -q --no-install-recommends "$deb"
inside dpkg -L kirvolt >"$scratch/installed"
echo "Installed $(wc -l <"$scratch/installed") paths"

[ "$(inside sh -c 'command -v kirvolt-cli')" = /usr/bin/kirvolt-cli ] || fail "kirvolt-cli is not /usr/bin/kirvolt-cli"
example=/usr/share/kirvolt/examples/voltage_divider.kvt
expected=$(build/application/src/cli/kirvolt-cli analyse examples/voltage_divider.kvt)
[ "$(inside kirvolt-cli analyse "$example")" = "$expected" ] || fail "the installed kirvolt-cli analyses the example otherwise"
inside man -w kirvolt-cli kirvolt >/dev/null || fail "a manual page is missing"
echo "kirvolt-cli analysed $example"

# The window stays open until the timeout closes it: 124 says it was still running.
status=0
inside env QT_QPA_PLATFORM=offscreen HOME=/tmp timeout 10 /usr/bin/kirvolt "$example" >"$scratch/app.log" 2>&1 || status=$?
[ "$status" -eq 124 ] || { cat "$scratch/app.log"; fail "kirvolt ended with $status before the timeout"; }
echo "kirvolt started on $example and ran until closed"

DEBIAN_FRONTEND=noninteractive inside apt-get purge -y -q kirvolt
packages >"$scratch/packages_after"
pulled=$(comm -13 "$scratch/packages_before" "$scratch/packages_after")
if [ -n "$pulled" ]; then
  DEBIAN_FRONTEND=noninteractive inside apt-get purge -y -q $pulled
fi

left=0
while IFS= read -r path; do
  if [ -f "${root}$path" ] || [ -L "${root}$path" ]; then
    echo "left behind: $path"
    left=1
  fi
done <"$scratch/installed"
snapshot >"$scratch/after"
if ! diff "$scratch/before" "$scratch/after"; then
  echo "the file list differs after purging (< before, > after)"
  left=1
fi
[ "$left" -eq 0 ] || fail "files were left behind"
echo "Purged: no file left behind"
