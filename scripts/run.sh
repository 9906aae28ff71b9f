#!/usr/bin/env bash
# Builds the program and runs it. Until the desktop program is part of the
# build, this prints the calculation of the first sample site with the
# headless calculator; arguments, when given, go to ferrolux-calc instead:
#   scripts/run.sh                      the first example as text
#   scripts/run.sh --json examples/Harbour-Hotel.QLX
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash scripts/setup.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build/plain -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/plain -j "$jobs" --target ferrolux-calc >/dev/null

if [ $# -eq 0 ]; then
  set -- "$top/examples/Northgate-Offices.QLX"
fi
# The exit status is the calculator's: 0 satisfactory, 1 not, 2 and up failures.
exec build/plain/src/ferrolux-calc "$@"
