#!/usr/bin/env bash
# Installs the Debian packages the builds, tests and benchmark need. Idempotent: installs only
# what is missing.
set -euo pipefail
packages=(
  cmake ninja-build g++ g++-multilib qemu-user file binutils-mingw-w64-i686
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine64 xvfb xdotool x11-utils fonts-wqy-microhei
  imagemagick googletest libbenchmark-dev libssl-dev time
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
SUDO=; [ "$(id -u)" -eq 0 ] || SUDO=sudo
if ! { $SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; }; then
  echo "error: could not install the Debian packages: ${missing[*]}" >&2
  exit 1
fi
