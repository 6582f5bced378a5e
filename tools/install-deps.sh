#!/usr/bin/env bash
# Installs the Debian 12 packages Vesperanova needs to build, run and test, when any is missing.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config python3
          libwxgtk3.2-dev libgtk-3-dev libcairo2-dev libpango1.0-dev fonts-liberation
          libgtest-dev libgmock-dev libbenchmark-dev
          xvfb xauth ghostscript
          appstream desktop-file-utils lintian man-db bash-completion file xdotool
          libx11-dev libwayland-dev libhowardhinnant-date-dev tzdata liberfa-dev libnova-dev
          libindi-dev indi-bin zlib1g-dev iproute2)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
