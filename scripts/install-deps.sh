#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine (as root, or
# through sudo). Packages already present are left alone.
set -euo pipefail

packages=(g++ cmake make googletest libgtest-dev nlohmann-json3-dev pkg-config python3 binutils)
# The graphical backend and its fonts, when asked for (TOPODLG_GUI=1).
if [ "${TOPODLG_GUI:-1}" = "1" ]; then
  packages+=(qt6-base-dev fonts-ipafont-gothic fonts-ipafont-mincho)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
