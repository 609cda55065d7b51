#!/usr/bin/env bash
# Installs the Debian packages Karnoth builds, tests and runs with; does nothing when all are there.
set -euo pipefail
packages=(cmake make g++ clang clang-format libclang-rt-14-dev qt6-base-dev qt6-svg-dev libgtest-dev libgmock-dev
          libbenchmark-dev nlohmann-json3-dev libcli11-dev libtbb-dev libboost-dev xvfb xauth poppler-utils
          dpkg-dev file qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools qt6-translations-l10n)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
