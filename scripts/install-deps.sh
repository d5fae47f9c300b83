#!/usr/bin/env bash
# Installs, from Debian's packages, whatever GearPair needs that this machine lacks.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev libdxflib-dev
    libocct-data-exchange-dev libocct-modeling-algorithms-dev libocct-modeling-data-dev
    libocct-foundation-dev libocct-ocaf-dev libocct-visualization-dev libtbb-dev
    qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev libxcb1-dev
    fonts-wqy-microhei fonts-dejavu-core
    xvfb xauth poppler-utils
    clang libclang-rt-dev
    g++-mingw-w64-x86-64-posix wine64 locales
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then as_root=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
