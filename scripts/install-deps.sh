#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test Penwick.
# Idempotent: packages already present are skipped, npm ci only runs when needed.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake pkg-config git
  qtbase5-dev qtbase5-dev-tools qttools5-dev qttools5-dev-tools
  qtwebengine5-dev libqt5webchannel5-dev libqt5svg5-dev
  libmd4c-dev libmd4c-html0-dev libxlsxwriter-dev libuchardet-dev
  libhunspell-dev hunspell-en-us hunspell-de-de qtwebengine5-dev-tools
  xvfb xauth imagemagick poppler-utils python3-openpyxl fonts-dejavu-core
  fonts-noto-core fonts-noto-cjk xdotool
  librsvg2-bin dpkg-dev desktop-file-utils appstream
  clang libclang-rt-14-dev
  nodejs npm
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# A Node.js installed outside Debian's packages is fine as long as npm runs.
if command -v npm >/dev/null 2>&1; then
  missing=("${missing[@]/nodejs}"); missing=("${missing[@]/npm}")
fi
missing=($(printf '%s\n' "${missing[@]}" | grep -v '^$' || true))

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; else SUDO=; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ ! -f node_modules/.package-lock.json ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
  npm ci --no-audit --no-fund --loglevel=error
fi
