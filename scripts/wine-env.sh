# The Wine environment of a run, in one place: the Wine loader, the prefix, WINEARCH and the
# locale, and the build tree whose programs that Wine runs. Sourced by the set-up, build, run,
# test and bench scripts and by wine-run.sh, the emulator of the cross builds.
#
# The shipped programs are 32-bit and run under the 32-bit Wine. A machine whose kernel cannot
# start 32-bit programs runs the x86_64 build of the same sources under wine64, in a win64
# prefix of its own. PEMOKA_WINE_ARCH=win32 or win64 chooses without trying.

pemoka_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
wine32_loader=/usr/lib/wine/wine
wine64_loader=/usr/lib/wine/wine64

# Sets and exports PEMOKA_WINE_ARCH, and PEMOKA_WINE_WHY, the reason for it; child scripts then
# take both as they are. Decides by starting the 32-bit Wine loader.
decide_wine_arch() {
  case ${PEMOKA_WINE_ARCH:-} in
    win32 | win64) PEMOKA_WINE_WHY=${PEMOKA_WINE_WHY:-PEMOKA_WINE_ARCH=$PEMOKA_WINE_ARCH} ;;
    "")
      if "$wine32_loader" --version >/dev/null 2>&1; then
        PEMOKA_WINE_ARCH=win32 PEMOKA_WINE_WHY="32-bit programs run here"
      else
        PEMOKA_WINE_ARCH=win64 PEMOKA_WINE_WHY="no 32-bit execution here"
      fi ;;
    *) echo "PEMOKA_WINE_ARCH is win32 or win64, not '$PEMOKA_WINE_ARCH'" >&2; return 1 ;;
  esac
  export PEMOKA_WINE_ARCH PEMOKA_WINE_WHY
}

# Decides, then says in one line which way a script goes; $1 is what it does ("testing").
wine_way() {
  decide_wine_arch || return
  if [ "$PEMOKA_WINE_ARCH" = win64 ]; then
    echo "$PEMOKA_WINE_WHY: $1 the x86_64 build under wine64"
  else
    echo "$PEMOKA_WINE_WHY: $1 the i686 build under wine"
  fi
}

# Exports the environment for programs of the architecture $1 (default PEMOKA_WINE_ARCH) and
# PEMOKA_WINE, the loader to start them with, and sets PEMOKA_TREE, the build tree holding them.
use_wine_env() {
  local arch=${1:-$PEMOKA_WINE_ARCH}
  case $arch in
    win32) PEMOKA_WINE=$wine32_loader PEMOKA_TREE=$pemoka_root/build/win
           WINEPREFIX=$pemoka_root/build/wineprefix ;;
    win64) PEMOKA_WINE=$wine64_loader PEMOKA_TREE=$pemoka_root/build/win64
           WINEPREFIX=$pemoka_root/build/wineprefix64 ;;
    *) echo "no Wine environment for '$arch'" >&2; return 1 ;;
  esac
  export WINEARCH=$arch WINEPREFIX
  export WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
  # The programs' own language; PEMOKA_LOCALE=en_US.UTF-8 runs them as on an English system.
  export LANG=${PEMOKA_LOCALE:-ja_JP.UTF-8} LC_ALL=${PEMOKA_LOCALE:-ja_JP.UTF-8}
  export PEMOKA_WINE  # the end-to-end tests start the loader with a locale of their choice
}
