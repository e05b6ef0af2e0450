#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what landed there: the executables, the
# help document, the translations, the example database, the desktop entry (desktop-file-validate),
# the icon in every size, and the file types (xmllint, update-mime-database).
# Usage: check_install.sh BUILD_DIR
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
need() { [ -s "$prefix/$1" ] || fail "$1 is missing or empty"; }

for exe in bin/trelfin bin/trelfin-cli; do
  need "$exe"
  [ -x "$prefix/$exe" ] || fail "$exe is not executable"
done
need share/trelfin/help.htm
grep -q 'id="pierwsze-kroki"' "$prefix/share/trelfin/help.htm" || fail "help.htm has no first steps"
need share/trelfin/translations/qtbase_pl.qm
for f in tf4 0 1 2 tlz tnt; do need "share/trelfin/przyklad/przyklad.$f"; done
need share/doc/trelfin/README.md

desktop="$prefix/share/applications/trelfin.desktop"
need share/applications/trelfin.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects trelfin.desktop"
grep -q '^Categories=Office;Finance;' "$desktop" || fail "the desktop entry is not in Office/Finance"
grep -q '^Name\[pl\]=' "$desktop" || fail "the desktop entry has no Polish name"
grep -q '^Comment\[pl\]=' "$desktop" || fail "the desktop entry has no Polish comment"
grep -q 'application/x-trelfin-database' "$desktop" || fail "the desktop entry does not open databases"

need share/icons/hicolor/scalable/apps/trelfin.svg
xmllint --noout "$prefix/share/icons/hicolor/scalable/apps/trelfin.svg" || fail "the SVG icon is not well formed"
for size in 16 22 24 32 48 64 128 256; do
  png="share/icons/hicolor/${size}x${size}/apps/trelfin.png"
  need "$png"
  # The PNG header's width and height, big-endian at bytes 16-23.
  read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$prefix/$png")
  width=$(( (w1 << 24) | (w2 << 16) | (w3 << 8) | w4 )); height=$(( (h1 << 24) | (h2 << 16) | (h3 << 8) | h4 ))
  [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$png is ${width}x${height}"
done

mime="$prefix/share/mime/packages/trelfin.xml"
need share/mime/packages/trelfin.xml
xmllint --noout "$mime" || fail "xmllint rejects the MIME file"
update-mime-database "$prefix/share/mime" 2>/dev/null || fail "update-mime-database rejects the MIME file"
for glob in '*.tf4' '*.tf3' '*.tfc'; do
  grep -qF ":$glob" "$prefix/share/mime/globs2" || fail "no file type for $glob"
done

# The installed companion reads the installed example.
info="$("$prefix/bin/trelfin-cli" info "$prefix/share/trelfin/przyklad/przyklad.tf4")" || fail "trelfin-cli info fails on the example"
grep -q "Ilość okresów:.3" <<<"$info" || fail "the installed example has not 3 periods"

if [ "$failures" -gt 0 ]; then
  echo "$failures problem(s) in the installation" >&2
  exit 1
fi
echo "installation complete and valid"
