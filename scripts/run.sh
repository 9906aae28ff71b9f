#!/usr/bin/env bash
# Builds the program and runs it. With a display ($DISPLAY or
# $WAYLAND_DISPLAY set) and no arguments this is the desktop program,
# ferrolux, on the first sample site. Without a display it says so and prints
# that site's calculation with the headless calculator; arguments, when
# given, go to ferrolux-calc:
#   scripts/run.sh                      the desktop program, or the first example as text
#   scripts/run.sh --json examples/Harbour-Hotel.QLX
#   scripts/run.sh --web [PORT]         the browser app, served on http://127.0.0.1:PORT/
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash scripts/setup.sh

if [ "${1:-}" = "--web" ]; then
  echo "Building the browser app (the first time takes a few minutes)..." >&2
  mkdir -p build
  if ! bash scripts/build-wasm.sh > build/wasm-build.log 2>&1; then
    tail -n 30 build/wasm-build.log >&2
    echo "Building the WebAssembly module failed; the whole log is in build/wasm-build.log." >&2
    exit 1
  fi
  node web/scripts/build.mjs
  exec node web/scripts/serve.mjs --port "${2:-8080}"
fi

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build/plain -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

example=$top/examples/Northgate-Offices.QLX

if [ $# -eq 0 ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  cmake --build build/plain -j "$jobs" --target ferrolux >/dev/null
  exec build/plain/src/ferrolux "$example"
fi

cmake --build build/plain -j "$jobs" --target ferrolux-calc >/dev/null
if [ $# -eq 0 ]; then
  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): the desktop window cannot open." >&2
  echo "The calculation of $(basename "$example") instead:" >&2
  echo >&2
  set -- "$example"
fi
# The exit status is the calculator's: 0 satisfactory, 1 not, 2 and up failures.
exec build/plain/src/ferrolux-calc "$@"
