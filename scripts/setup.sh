#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing.
# Runs apt-get directly as root, through sudo otherwise.
set -euo pipefail

packages=(
  g++ cmake make pkg-config python3
  googletest libgtest-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev libgl-dev
  clang-14 libclang-rt-14-dev
  poppler-utils
  nlohmann-json3-dev
  fonts-liberation2
  dpkg-dev lintian man-db bash-completion
  emscripten nodejs chromium
)

missing=()
for p in "${packages[@]}"; do
  # The status is taken whole first, then searched: a pipe into an early
  # reader fails under pipefail whenever the reader's exit kills the writer.
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null) || status=
  if ! grep -q 'install ok installed' <<<"$status"; then
    missing+=("$p")
  fi
done

# The browser side's tools from npm (the TypeScript compiler, the bundler,
# Playwright...), as
# web/package-lock.json pins them; only when they are missing or older than
# the lock file.
install_web_tools() {
  local web
  web=$(cd "$(dirname "$0")/.." && pwd)/web
  if [ ! -d "$web/node_modules" ] || [ "$web/package-lock.json" -nt "$web/node_modules/.package-lock.json" ]; then
    (cd "$web" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
  fi
}

if [ ${#missing[@]} -eq 0 ]; then
  install_web_tools
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  apt_get=(apt-get)
elif command -v sudo >/dev/null 2>&1; then
  apt_get=(sudo apt-get)
else
  echo "Missing packages (${missing[*]}) and no root rights or sudo to install them." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${apt_get[@]}" update -qq || true
"${apt_get[@]}" install -y -qq "${missing[@]}"
install_web_tools
