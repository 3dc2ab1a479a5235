#!/usr/bin/env bash
# Builds the Debian package from a configured and built tree and checks it:
# the programs in it are stripped, and lintian reports no error.
#   scripts/check-package.sh [BUILD_DIR]      (default: build)
# Needs dpkg-dev, lintian and file (apt-get install dpkg-dev lintian file).
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

(cd "$build" && cpack -G DEB -B "$tmp/pkg" >"$tmp/cpack.log" 2>&1) || { cat "$tmp/cpack.log"; exit 1; }
deb="$(ls "$tmp"/pkg/dorvel_*.deb)"
echo "package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"
dpkg-deb -x "$deb" "$tmp/root"
for program in "$tmp"/root/usr/bin/*; do
  if file -b "$program" | grep -q "not stripped"; then fail "not stripped: ${program#$tmp/root}"; fi
  if readelf -S "$program" | grep -q '\.debug_'; then fail "debug information in ${program#$tmp/root}"; fi
done
lintian --tag-display-limit 0 "$deb" >"$tmp/lintian.log" 2>&1
cat "$tmp/lintian.log"
if grep -q '^E:' "$tmp/lintian.log"; then fail "lintian reports errors"; fi
[ "$failed" -eq 0 ] && echo "package OK"
exit "$failed"
