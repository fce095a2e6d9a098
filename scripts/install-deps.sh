#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs (run as root). Does nothing
# when they are all there already.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    libicu-dev nlohmann-json3-dev
    libofx-dev libpugixml-dev libcsv-dev
    libgtest-dev libbenchmark-dev
    qt6-base-dev qt6-translations-l10n fonts-liberation2 fonts-dejavu-core
    poppler-utils
    clang libclang-rt-14-dev ccache
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]} (run as root, or install them with apt-get)" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
