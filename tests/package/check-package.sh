#!/usr/bin/env bash
# Builds the Debian package from the build tree (cpack, no rebuild) into a
# scratch folder and checks it as a user's machine would take it: its control
# fields and file list, the unpacked calculator on an unpacked sample site
# with no hint of where the catalogues are, the browser app as the build has
# it (when it has been built), the manual pages rendering without a warning,
# and lintian (when installed) with no error or warning.
#   check-package.sh BUILD_FOLDER VERSION
set -euo pipefail
build=$1
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

arch=$(dpkg --print-architecture)
deb=$scratch/harvex-ferrolux_${version}_${arch}.deb

cpack --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1 ||
  { cat "$scratch/cpack.log" >&2; fail "cpack did not build the package"; }
[ -f "$deb" ] || fail "no $(basename "$deb") (cpack made: $(ls "$scratch"))"

# The control fields.
field() { dpkg-deb --field "$deb" "$1"; }
expect_field() { [ "$(field "$1")" = "$2" ] || fail "$1 is '$(field "$1")', not '$2'"; }
expect_field Package harvex-ferrolux
expect_field Version "$version"
expect_field Architecture "$arch"
expect_field Section electronics
expect_field Maintainer "Harvex Packaging <packaging@harvex.example>"
# Each command's output is taken whole before it is searched: under pipefail,
# a pipe into an early reader fails at random when the reader's exit kills
# the writer with SIGPIPE.
info=$(dpkg-deb --info "$deb")
grep -q '^ Description: design calculator for addressable fire-detection loops$' <<<"$info" ||
  fail "the description's first line is not the summary"
depends=$(field Depends)
grep -q 'libc6' <<<"$depends" || fail "dpkg-shlibdeps found no dependencies: '$depends'"
if [ -e "$build/src/ferrolux" ]; then
  grep -q 'libqt6widgets6' <<<"$depends" || fail "the desktop program's Qt is not a dependency: '$depends'"
fi
# The changelog's latest entry is this version (Debian reads the version there too).
changelog=$(gzip -dc "$build/packaging/changelog.gz")
grep -qF "harvex-ferrolux ($version)" <<<"${changelog%%$'\n'*}" ||
  fail "the changelog's latest entry is not version $version"

# The file list: what `cmake --install` installs, under /usr, and Debian's own files.
contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
expected=(./usr/bin/ferrolux-calc
          ./usr/share/Harvex/Devices/QuellarDevices.dat ./usr/share/Harvex/Panels/QuellarStdPanels.dat
          ./usr/share/Harvex/Cables/QuellarCables.dat ./usr/share/Harvex/Batteries/QuellarBatteries.dat
          ./usr/share/Harvex/help/index.html ./usr/share/Harvex/examples/Northgate-Offices.QLX
          ./usr/share/applications/harvex-ferrolux.desktop ./usr/share/mime/packages/harvex-ferrolux.xml
          ./usr/share/icons/hicolor/scalable/apps/harvex-ferrolux.svg
          ./usr/share/man/man1/ferrolux-calc.1.gz ./usr/share/bash-completion/completions/ferrolux-calc
          ./usr/share/doc/harvex-ferrolux/copyright ./usr/share/doc/harvex-ferrolux/changelog.gz
          ./usr/share/lintian/overrides/harvex-ferrolux)
if [ -e "$build/src/ferrolux" ]; then
  expected+=(./usr/bin/ferrolux ./usr/share/man/man1/ferrolux.1.gz)
fi
# The browser app the build installs (FERROLUX_WEB_APP), when built.
web=$(sed -n 's/^FERROLUX_WEB_APP:PATH=//p' "$build/CMakeCache.txt")
if [ -f "$web/index.html" ]; then
  for file in index.html app.js app.css sw.js manifest.webmanifest help/index.html \
              icons/harvex-ferrolux.svg icons/icon-192.png icons/icon-512.png; do
    expected+=("./usr/share/harvex-ferrolux/web/$file")
  done
else
  echo "no browser app in '$web' (node web/scripts/build.mjs builds it): not checked"
fi
for file in "${expected[@]}"; do
  grep -qxF "$file" <<<"$contents" || fail "the package does not hold $file"
done
outside=$(grep -v '^\./usr/' <<<"$contents" | grep -vx '\./') || true
[ -z "$outside" ] || fail "the package holds files outside /usr: $outside"
owners=$(dpkg-deb --contents "$deb" | awk '{print $2}')
not_root=$(grep -v '^root/root$' <<<"$owners") || true
[ -z "$not_root" ] || fail "the package holds files not owned by root: $(sort -u <<<"$not_root")"

# Unpacked into a scratch root, the calculator finds the catalogues beside it
# (../share/Harvex), with no HARVEX_DATA_ROOT and a home of its own.
root=$scratch/root
dpkg-deb -x "$deb" "$root"
run_calc() {
  (cd "$scratch" && env -u HARVEX_DATA_ROOT -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$scratch/home" \
     LANG=en_GB.UTF-8 LC_ALL= "$root/usr/bin/ferrolux-calc" "$@")
}
status=0
output=$(run_calc "$root/usr/share/Harvex/examples/Northgate-Offices.QLX" 2>"$scratch/err") || status=$?
[ $status -eq 0 ] || fail "the unpacked calculator ended with $status: $(cat "$scratch/err")"
grep -q 'Northgate' <<<"$output" || fail "the unpacked calculator printed no site: $output"
# ... and they are the unpacked ones: without the unpacked cables it fails on them.
rm "$root/usr/share/Harvex/Cables/QuellarCables.dat"
status=0
run_calc "$root/usr/share/Harvex/examples/Northgate-Offices.QLX" >/dev/null 2>"$scratch/err" || status=$?
[ $status -eq 3 ] || fail "without the unpacked cables the calculator ended with $status, not 3"
grep -qF "$root/usr/share/Harvex/Cables" "$scratch/err" ||
  fail "the calculator's message names no unpacked cable file: $(cat "$scratch/err")"

# The unpacked browser app is the build's, file for file.
if [ -f "$web/index.html" ]; then
  diff -r "$web" "$root/usr/share/harvex-ferrolux/web" >"$scratch/web.diff" ||
    fail "the unpacked browser app is not the build's: $(head -5 "$scratch/web.diff")"
fi

# The manual pages render at 80 columns without a warning.
for page in "$root"/usr/share/man/man1/*.1.gz; do
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$(basename "$page") renders with warnings: $warnings"
done

# lintian: no error and no warning that the overrides do not explain.
if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1 ||
    { cat "$scratch/lintian.log" >&2; fail "lintian found errors or warnings"; }
else
  echo "lintian is not installed (scripts/setup.sh installs it): not run"
fi
echo "package $(basename "$deb") built and checked"
