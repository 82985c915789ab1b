#!/bin/bash
# check_imports.sh PROGRAM: the program imports only DLLs that Windows always loads from its own
# directory (known DLLs), so none can be planted beside it; nothing of mingw's or the C++
# runtime's is left to be found at run time.
set -euo pipefail
imports=$(i686-w64-mingw32-objdump -p "$1" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z' | sort)
echo "imports:" $imports
for dll in $imports; do
  case $dll in
    kernel32.dll | user32.dll | gdi32.dll | imm32.dll | msvcrt.dll | ole32.dll) ;;
    *) echo "FAIL: $dll is not a known system DLL" >&2; exit 1 ;;
  esac
done
