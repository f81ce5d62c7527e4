#!/usr/bin/env bash
# Installs every Debian package Orvane needs to build, test and run; given package names, those
# instead (the Windows build scripts install their tools through it).
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libgl-dev qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    libjpeg-dev nlohmann-json3-dev
    fonts-dejavu-core xvfb xauth
    desktop-file-utils appstream shared-mime-info dpkg-dev file
)
[ $# -eq 0 ] || packages=("$@")

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Устанавливаются пакеты: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
