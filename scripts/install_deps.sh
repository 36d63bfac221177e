#!/usr/bin/env bash
# Installs the Debian packages that building, testing and plotting need
# (strace injects the kills of tolva64's interruption tests),
# only those that are missing. Runs apt-get as root, or through sudo.
set -euo pipefail

needed=(cmake g++ gfortran make libgtest-dev libbenchmark-dev procps strace "$@")
missing=()
for pkg in "${needed[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then sudo_cmd=(); else sudo_cmd=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
