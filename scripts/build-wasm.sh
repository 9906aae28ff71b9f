#!/usr/bin/env bash
# Builds the WebAssembly module into build/wasm: ferrolux.mjs (the core and
# its bindings, catalogues inside) and ferrolux-calc.mjs (the calculator's
# command line on it, for Node.js). Expects scripts/setup.sh to have run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

# Emscripten's JavaScript tools find Debian's acorn only through NODE_PATH
# when the node on the PATH is not Debian's own.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
jobs=$(nproc 2>/dev/null || echo 2)
emcmake cmake -S . -B build/wasm -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/wasm -j "$jobs"
