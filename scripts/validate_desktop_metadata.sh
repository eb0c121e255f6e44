#!/usr/bin/env bash
# Validates the AppStream metainfo, the desktop entry and the MIME type description:
# metainfo.xml kirvolt.desktop mime.xml. Exits with 77 (a skip) when a validator is missing.
set -eu
metainfo=$1 desktop=$2 mime=$3

for tool in appstreamcli desktop-file-validate xmllint; do
  if ! command -v "$tool" >/dev/null; then
    echo "$tool is not installed (scripts/install_dependencies.sh installs it); skipped"
    exit 77
  fi
done

appstreamcli validate --no-net "$metainfo"
desktop-file-validate "$desktop"
xmllint --noout "$mime"
# The package installs the MIME description as kirvolt.xml; its type is the one the desktop
# entry opens.
grep -q 'type="application/x-kirvolt"' "$mime"
grep -q '^MimeType=application/x-kirvolt;$' "$desktop"
