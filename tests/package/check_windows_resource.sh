#!/usr/bin/env bash
# Compiles the Windows resource file with a cross windres and reads the
# result back, so that a broken version record or icon fails here even
# though no Windows build runs.
#   check_windows_resource.sh path/to/calculador-fechas.rc VERSION     e.g. 1.0.0.0
set -euo pipefail
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

x86_64-w64-mingw32-windres -i "$1" -O coff -o "$scratch/resource.o"
x86_64-w64-mingw32-windres -i "$scratch/resource.o" -O rc -o "$scratch/decompiled.rc"
read_back=$(tr -s ' \t' ' ' <"$scratch/decompiled.rc")

numbers=${2//./, }
for line in "FILEVERSION $numbers" "PRODUCTVERSION $numbers" 'BLOCK "040904B0"' \
  "VALUE \"CompanyName\", \"Equipo de Calculador de fechas\"" "VALUE \"FileVersion\", \"1.00\"" "VALUE \"ProductVersion\", \"1.00\"" 'VALUE "Translation", 0x409, 1200'; do
  grep -qF "$line" <<<"$read_back" || fail "the compiled resource lacks: $line"
done
# One icon group of two images: 32x32 and 16x16, 16 colours each.
grep -qF '/* Has 2 elements. */' <<<"$read_back" || fail "the icon group does not hold two images"
grep -qF '"\040\040\020\000"' <<<"$read_back" || fail "no 32x32 16-colour icon"
grep -qF '"\020\020\020\000"' <<<"$read_back" || fail "no 16x16 16-colour icon"
# Stored as classic 4-bit bitmaps, which every Windows version reads.
icon=$(sed -n 's/^[0-9]* ICON "\(.*\)"$/\1/p' "$1")
[[ $(file -b "$icon") == "MS Windows icon resource - 2 icons, 32x32, 16 colors, 4 bits/pixel, 16x16, 16 colors, 4 bits/pixel" ]] ||
  fail "the icon file holds: $(file -b "$icon")"
echo "Windows resource checked."
