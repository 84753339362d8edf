#!/usr/bin/env bash
# Installs the Debian packages the builds, tests and benchmark need. Idempotent: installs only
# what is missing.
set -euo pipefail
packages=(
  cmake ninja-build g++ g++-multilib qemu-user file binutils-mingw-w64-i686
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine64 xvfb xdotool x11-utils fonts-wqy-microhei
  imagemagick googletest libbenchmark-dev libssl-dev time locales
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
SUDO=; [ "$(id -u)" -eq 0 ] || SUDO=sudo
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if ! { $SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null; }; then
    echo "error: could not install the Debian packages: ${missing[*]}" >&2
    exit 1
  fi
fi

# Wine runs in the zh_CN.UTF-8 locale: code page 936 for the program, UTF-8 for the names of
# Linux files. Without the locale, Wine cannot name any file with Chinese characters.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  echo "Generating the zh_CN.UTF-8 locale"
  $SUDO localedef -i zh_CN -f UTF-8 zh_CN.UTF-8 || { echo "error: could not generate the zh_CN.UTF-8 locale" >&2; exit 1; }
fi
