#!/usr/bin/env bash
# Builds and runs every test twice: once plainly and once under
# AddressSanitizer and UndefinedBehaviorSanitizer. Exits non-zero on any failure.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash scripts/setup.sh || exit 1

jobs=$(nproc 2>/dev/null || echo 2)
status=0

run_pass() {
  local name=$1 dir=$2; shift 2
  echo "=== $name build ==="
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null || return 1
  cmake --build "$dir" -j "$jobs" || return 1
  echo "=== $name tests ==="
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" -j "$jobs" --output-on-failure
}

run_pass plain build/plain || status=1

# The WebAssembly module, checked in Node.js against the native programs of
# the plain pass.
run_wasm() {
  echo "=== wasm build ==="
  bash scripts/build-wasm.sh || return 1
  echo "=== wasm declarations ==="
  web/node_modules/.bin/tsc -p tests/wasm/typecheck --noEmit || return 1
  echo "=== wasm tests ==="
  FERROLUX_NATIVE_CALC=$top/build/plain/src/ferrolux-calc FERROLUX_NATIVE_WALK=$top/build/plain/tests/ferrolux_native_walk \
    node --test tests/wasm/
}

# The browser app, built on that module, in Debian's Chromium.
run_web() {
  echo "=== web build ==="
  node web/scripts/build.mjs || return 1
  web/node_modules/.bin/tsc -p web || return 1
  echo "=== web tests ==="
  (cd web && FERROLUX_NATIVE_CALC=$top/build/plain/src/ferrolux-calc FERROLUX_NATIVE_WALK=$top/build/plain/tests/ferrolux_native_walk \
    node_modules/.bin/playwright test)
}
# The install and the package once more, with the browser app just built.
run_delivery() {
  echo "=== install and package with the browser app ==="
  ctest --test-dir build/plain -R '^(InstallsForTheDesktop|PackagesForDebian)$' --output-on-failure
}
{ run_wasm && run_web && run_delivery; } || status=1

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
run_pass sanitized build/sanitize -DFERROLUX_SANITIZE=ON || status=1

# The last lines printed are ctest's summary of the sanitized pass.
exit $status
