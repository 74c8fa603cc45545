#!/usr/bin/env bash
# Fails when a program imports a DLL that is not part of Windows itself.
# check-imports.sh objdump program...   (the objdump of the program's cross toolchain)
set -u
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|advapi32|msvcrt|ole32|oleaut32|shlwapi|uxtheme|version|imm32)\.dll$'
objdump=$1
shift
status=0
for exe in "$@"; do
  dlls=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p')
  [ -n "$dlls" ] || { echo "$exe: no imports found"; status=1; }
  for dll in $dlls; do
    if ! echo "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$allowed"; then
      echo "$exe imports $dll, which Windows does not ship"; status=1
    fi
  done
done
[ $status = 0 ] && echo "only system DLLs imported: $*"
exit $status
