#!/usr/bin/env bash
# Installs the Debian packages the build needs, when any is missing, and generates the German
# locale the tests run a host in. Needs root (or sudo).
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev libgtest-dev libbenchmark-dev
          fonts-dejavu-core clang libclang-rt-14-dev locales)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ ${#missing[@]} -ne 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if ! locale -a 2>/dev/null | grep -qx "de_DE.utf8"; then
    echo "Generating the de_DE.UTF-8 locale"
    $sudo sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -qx "de_DE.UTF-8 UTF-8" /etc/locale.gen || echo "de_DE.UTF-8 UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen
fi
