#!/usr/bin/env bash
# Installs the Debian packages both builds and the tests need, skipping what is
# already there. Safe to run again; needs root (or sudo).
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

packages=(
  cmake g++ make pkg-config googletest libfreetype-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  wine wine32 wine64 xvfb xauth xdotool imagemagick fonts-liberation
  clang libclang-rt-14-dev libbenchmark-dev mscompress libreoffice-writer python3-pil
  cups printer-driver-cups-pdf libcups2:i386 poppler-utils
)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ] || [ -n "${need_update:-}" ]; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  if [ "${#missing[@]}" -gt 0 ]; then
    $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
  fi
fi

# The win32 build is a static 32-bit program; the posix-thread flavour of the
# cross compiler is the one with std::thread and friends.
if command -v update-alternatives >/dev/null 2>&1 && [ -e /usr/bin/i686-w64-mingw32-g++-posix ]; then
  $SUDO update-alternatives --set i686-w64-mingw32-g++ /usr/bin/i686-w64-mingw32-g++-posix >/dev/null 2>&1 || true
  $SUDO update-alternatives --set i686-w64-mingw32-gcc /usr/bin/i686-w64-mingw32-gcc-posix >/dev/null 2>&1 || true
fi
