#!/usr/bin/env bash
# Installs the Debian packages Vextor needs to build, test and run, when missing.
# Usage: scripts/deps.sh [core|full]   (core: no Qt; full: everything, the default)
set -euo pipefail
want=${1:-full}
pkgs=(build-essential cmake ninja-build googletest libgtest-dev libbenchmark-dev)
if [ "$want" = full ]; then
  pkgs+=(qt6-base-dev qt6-svg-dev libgl-dev xvfb xauth fonts-liberation fonts-dejavu-core poppler-utils)
fi
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing missing packages: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
