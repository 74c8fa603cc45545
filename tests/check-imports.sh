#!/usr/bin/env bash
# Fails when a program imports a DLL that is not part of Windows itself.
# check-imports.sh objdump program[=dll,dll...]...   (the objdump of the program's cross toolchain)
# A program given with its own list of DLLs may import only those: the overlay starts with no
# more than it needs to show its frame and loads the rest at first use.
set -u
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|advapi32|msvcrt|ole32|oleaut32|shlwapi|uxtheme|version|imm32)\.dll$'
objdump=$1
shift
status=0
for arg in "$@"; do
  exe=${arg%%=*}
  only=
  [ "$exe" = "$arg" ] || only="^(${arg#*=})\\.dll\$"
  only=${only//,/|}
  dlls=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p')
  [ -n "$dlls" ] || { echo "$exe: no imports found"; status=1; }
  for dll in $dlls; do
    name=$(echo "$dll" | tr 'A-Z' 'a-z')
    if ! echo "$name" | grep -Eq "$allowed"; then
      echo "$exe imports $dll, which Windows does not ship"; status=1
    elif [ -n "$only" ] && ! echo "$name" | grep -Eq "$only"; then
      echo "$exe imports $dll at start, beyond ${arg#*=}"; status=1
    fi
  done
done
[ $status = 0 ] && echo "only system DLLs imported: $*"
exit $status
