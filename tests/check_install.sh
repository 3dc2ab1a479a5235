#!/usr/bin/env bash
# Installs the build into a temporary prefix (staged with DESTDIR, so that a
# file installed outside the prefix shows) and checks the installed programs
# and data files.
#   check_install.sh CMAKE BUILD_DIR SOURCE_DIR
set -uo pipefail
cmake="$1" build="$2" src="$3"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
prefix="$tmp/prefix"
stage="$tmp/stage"
failed=0
fail() { echo "FAIL: $*"; failed=1; }

if ! DESTDIR="$stage" "$cmake" --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1; then
  cat "$tmp/install.log"
  echo "FAIL: cmake --install"
  exit 1
fi
root="$stage$prefix"
outside="$(cd "$stage" && find . -mindepth 1 \( -type f -o -type l \) | sed 's|^\.||' | grep -v "^$prefix/")"
[ -z "$outside" ] || fail "installed outside the prefix: $outside"

for f in bin/dorvel bin/dorvel-cli share/dorvel/help/dorvel-en.qhc share/dorvel/help/dorvel-en.qch \
         share/dorvel/help/dorvel-pl.qhc share/dorvel/help/dorvel-pl.qch share/dorvel/help/popups-en.txt \
         share/dorvel/help/popups-pl.txt share/doc/dorvel/manual/en/index.html \
         share/doc/dorvel/manual/pl/messages.html share/doc/dorvel/manual/index.html \
         share/applications/org.dorvel.Dorvel.desktop share/metainfo/org.dorvel.Dorvel.metainfo.xml \
         share/mime/packages/org.dorvel.Dorvel.xml \
         share/icons/hicolor/scalable/apps/org.dorvel.Dorvel.svg \
         share/icons/hicolor/48x48/apps/org.dorvel.Dorvel.png \
         share/icons/hicolor/256x256/apps/org.dorvel.Dorvel.png \
         share/man/man1/dorvel.1.gz share/man/man1/dorvel-cli.1.gz \
         share/bash-completion/completions/dorvel-cli share/doc/dorvel/LICENSE \
         share/doc/dorvel/copyright share/doc/dorvel/changelog.gz \
         share/doc/dorvel/calc-output.schema.json; do
  [ -e "$root/$f" ] || fail "not installed: $f"
done

# The installed programs, run from the prefix.
[ "$("$root/bin/dorvel-cli" --version)" = "dorvel-cli 1.0.0" ] || fail "dorvel-cli --version"
[ "$("$root/bin/dorvel" --version)" = "dorvel 1.0.0" ] || fail "dorvel --version"
out="$("$root/bin/dorvel-cli" calc "$root/share/doc/dorvel/examples/water-orifice-flange.dvl")"
status=$?
[ $status -eq 0 ] || fail "dorvel-cli calc exits with $status"
echo "$out" | grep -q "^  Mass flowrate  .* t/h$" || fail "dorvel-cli calc prints no flowrate: $out"
help="$(QT_QPA_PLATFORM=offscreen "$root/bin/dorvel" --help)"
echo "$help" | grep -qx "Help topics: $root/share/dorvel/help" ||
  fail "the installed dorvel does not find its help under the prefix: $help"

# The desktop entry opens case files of the installed MIME type.
grep -q '^MimeType=application/x-dorvel-case;$' "$root/share/applications/org.dorvel.Dorvel.desktop" ||
  fail "the desktop entry does not open case files"
grep -q 'pattern="\*\.dvl"' "$root/share/mime/packages/org.dorvel.Dorvel.xml" || fail "no *.dvl glob"

desktop-file-validate "$root/share/applications/org.dorvel.Dorvel.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/share/metainfo/org.dorvel.Dorvel.metainfo.xml" >"$tmp/as.log" 2>&1 ||
  { cat "$tmp/as.log"; fail "appstreamcli validate"; }
if command -v man >/dev/null 2>&1; then
  man -l "$root/share/man/man1/dorvel-cli.1.gz" 2>/dev/null | grep -q "EXIT STATUS" ||
    fail "the dorvel-cli manual page does not format"
fi
bash -n "$root/share/bash-completion/completions/dorvel-cli" || fail "bash completion syntax"

[ $failed -eq 0 ] && echo "ok: installed and checked in $prefix"
exit $failed
