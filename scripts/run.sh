#!/usr/bin/env bash
# Builds the program and runs it. With a display ($DISPLAY or
# $WAYLAND_DISPLAY set) and no arguments this is the desktop program,
# ferrolux. Without a display it prints the calculation of the first sample
# site with the headless calculator; arguments, when given, go to
# ferrolux-calc:
#   scripts/run.sh                      the desktop program, or the first example as text
#   scripts/run.sh --json examples/Harbour-Hotel.QLX
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash scripts/setup.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build/plain -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

if [ $# -eq 0 ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  cmake --build build/plain -j "$jobs" --target ferrolux >/dev/null
  exec build/plain/src/ferrolux
fi

cmake --build build/plain -j "$jobs" --target ferrolux-calc >/dev/null
if [ $# -eq 0 ]; then
  set -- "$top/examples/Northgate-Offices.QLX"
fi
# The exit status is the calculator's: 0 satisfactory, 1 not, 2 and up failures.
exec build/plain/src/ferrolux-calc "$@"
