#!/usr/bin/env bash
# Installs what building and running need on a Debian 12 machine, only when it is missing.
set -euo pipefail

need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'ok installed'; }
install_needed() {
  [ ${#need[@]} -gt 0 ] || return 0
  if [ "$(id -u)" != 0 ]; then
    echo "setup: these packages are missing and need root to install: ${need[*]}" >&2
    exit 1
  fi
  dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
  export DEBIAN_FRONTEND=noninteractive
  # A mirror in the middle of a sync fails one index now and then: try again before giving up,
  # and let the install itself say whether what it needs could be had.
  local try
  for try in 1 2 3; do
    apt-get update -q && break
    echo "setup: apt-get update failed (try $try of 3)" >&2
    sleep 10
  done
  apt-get install -y -q --no-install-recommends "${need[@]}" || return 1
  need=()
}

have_cmd cmake                          || need+=(cmake)
have_cmd make                           || need+=(make)
have_cmd g++                            || need+=(g++)
have_cmd i686-w64-mingw32-g++-posix     || need+=(g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix)
have_cmd i686-w64-mingw32-windres       || need+=(binutils-mingw-w64-i686)
have_cmd Xvfb                           || need+=(xvfb)
have_cmd xcompmgr                       || need+=(xcompmgr)
have_cmd xlogo                          || need+=(x11-apps)
have_cmd xdpyinfo                       || need+=(x11-utils)
[ -x /usr/bin/convert ] && [ -x /usr/bin/import ] || need+=(imagemagick)
have_pkg fonts-ipafont-gothic           || need+=(fonts-ipafont-gothic)
# Tahoma, the face of an English Windows' dialogs: without it Wine falls back to wider fonts.
have_pkg fonts-wine                     || need+=(fonts-wine)
have_pkg locales                        || need+=(locales)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
[ -f /usr/include/X11/extensions/XTest.h ] || need+=(libx11-dev libxtst-dev)
install_needed

# The 32-bit Wine needs the archive's i386 packages in step with its amd64 ones. Where the kernel
# runs no 32-bit programs it is of no use, and where those packages cannot be had (a mirror in
# the middle of a sync) wine64 alone still runs the x86_64 build.
runs_no_32bit() { [ -e /lib/ld-linux.so.2 ] && ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; }
if ! have_pkg wine32:i386 && ! { have_pkg wine64 && runs_no_32bit; }; then
  need=(wine wine32:i386 wine64)
  if ! (install_needed); then
    echo "setup: the 32-bit Wine cannot be installed here; going on with wine64" >&2
    need=(wine wine64)
    install_needed
  fi
  need=()
fi

# Wine shows Japanese only under a Japanese locale; the tests also run the programs as on an
# English system.
missing_locales=()
for wanted in ja_JP en_US; do
  locale -a 2>/dev/null | grep -qi "^$wanted\.utf-\?8$" || missing_locales+=("$wanted")
done
if [ ${#missing_locales[@]} -gt 0 ]; then
  if [ "$(id -u)" = 0 ]; then
    for wanted in "${missing_locales[@]}"; do
      sed -i "s/^# *\($wanted.UTF-8 UTF-8\)/\1/" /etc/locale.gen
      grep -q "^$wanted.UTF-8 UTF-8" /etc/locale.gen || echo "$wanted.UTF-8 UTF-8" >> /etc/locale.gen
    done
    locale-gen >/dev/null
  else
    echo "setup: locales missing: ${missing_locales[*]/%/.UTF-8}" >&2
    exit 1
  fi
fi

# Where the 32-bit Wine cannot start, the tests run an x86_64 build.
source "$(dirname "$0")/wine-env.sh"
decide_wine_arch
if [ "$PEMOKA_WINE_ARCH" = win64 ]; then
  have_cmd x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix)
  have_cmd x86_64-w64-mingw32-windres   || need+=(binutils-mingw-w64-x86-64)
  install_needed
fi
