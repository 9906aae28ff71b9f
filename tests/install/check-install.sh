#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a user's desktop
# needs: both programs, the catalogues where the programs look for them, the
# help, the sample sites, the desktop entry, the ".QLX" file type, the manual
# page, the completion and the browser app (when built); then runs the
# installed calculator on an installed sample site with no hint of where the
# catalogues are.
#   check-install.sh BUILD_FOLDER
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/ferrolux-calc \
            share/Harvex/Panels/QuellarStdPanels.dat share/Harvex/Cables/QuellarCables.dat \
            share/Harvex/Devices/QuellarDevices.dat share/Harvex/help/index.html \
            share/Harvex/examples/Northgate-Offices.QLX \
            share/applications/harvex-ferrolux.desktop share/mime/packages/harvex-ferrolux.xml \
            share/icons/hicolor/scalable/apps/harvex-ferrolux.svg \
            share/man/man1/ferrolux-calc.1.gz share/bash-completion/completions/ferrolux-calc; do
  [ -e "$prefix/$file" ] || fail "$file is not installed"
done
if [ -e "$build/src/ferrolux" ]; then
  [ -x "$prefix/bin/ferrolux" ] || fail "bin/ferrolux is not installed"
fi

# The browser app as the build has it (FERROLUX_WEB_APP), when it has been built.
web=$(sed -n 's/^FERROLUX_WEB_APP:PATH=//p' "$build/CMakeCache.txt")
if [ -f "$web/index.html" ]; then
  diff -r "$web" "$prefix/share/harvex-ferrolux/web" >/dev/null || fail "the installed browser app is not the build's"
else
  echo "no browser app in '$web' (node web/scripts/build.mjs builds it): not checked"
fi

desktop=$prefix/share/applications/harvex-ferrolux.desktop
grep -qx 'Exec=ferrolux %f' "$desktop" || fail "the desktop entry does not pass the file to ferrolux"
grep -qx 'MimeType=application/x-harvex-ferrolux;' "$desktop" || fail "the desktop entry names no file type"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
fi
# update-mime-database ran at install: the ".QLX" glob is in the prefix's database.
if command -v update-mime-database >/dev/null; then
  grep -q 'application/x-harvex-ferrolux:\*\.qlx' "$prefix/share/mime/globs2" ||
    fail "the MIME database under the prefix has no .QLX glob"
fi

# The installed calculator finds the installed catalogues beside it.
output=$(cd "$prefix" && env -u HARVEX_DATA_ROOT "$prefix/bin/ferrolux-calc" \
           "$prefix/share/Harvex/examples/Northgate-Offices.QLX") || [ $? -eq 1 ] ||
  fail "the installed calculator did not calculate the installed sample site"
grep -q 'Northgate' <<<"$output" || fail "the installed calculator printed no site: $output"
echo "installed and checked under $prefix"
