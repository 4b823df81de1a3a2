#!/usr/bin/env bash
# Installs the Debian packages that building, running, testing and packaging need, and
# only those missing; more packages can be named as arguments.
set -euo pipefail
packages=(cmake g++ make qt6-base-dev libgl-dev libgtest-dev libgmock-dev googletest
          libbenchmark-dev xvfb xauth fonts-dejavu-core fonts-liberation openbox
          desktop-file-utils appstream dpkg-dev file "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installiere: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
