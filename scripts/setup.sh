#!/usr/bin/env bash
# Installs the Debian packages Varnholt needs to build, test and run.
# Each package is checked with dpkg first, so a second run installs nothing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  nlohmann-json3-dev
  libxlsxwriter-dev zlib1g-dev
  clang libclang-rt-14-dev clang-format
  fonts-ipafont-mincho fonts-ipafont-gothic
  poppler-utils
  qt6-svg-dev python3-ezdxf desktop-file-utils dpkg-dev
  qt6-translations-l10n xvfb xauth
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
  SUDO=sudo
else
  SUDO=
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
