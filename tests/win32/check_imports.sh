#!/usr/bin/env bash
# The Windows program needs nothing beyond Windows itself: every library it
# imports is one of the system's own, none of the compiler's run time.
#   check_imports.sh path/to/calculador-fechas.exe
set -euo pipefail
imports=$(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^\s*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort)
echo "Imports: $(echo $imports)"
[[ -n $imports ]] || { echo "FAIL: no imports read"; exit 1; }
for dll in $imports; do
  case "$dll" in
    kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | ole32.dll | oleacc.dll | msvcrt.dll) ;;
    *) echo "FAIL: imports $dll, which Windows does not ship"; exit 1 ;;
  esac
done
[[ $(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^Subsystem\s*//p') == 00000002* ]] ||
  { echo "FAIL: not a GUI-subsystem program"; exit 1; }
echo "$(basename "$1"): $(stat -c %s "$1") bytes, only Windows' own libraries."
