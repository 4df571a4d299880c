#!/usr/bin/env bash
# The Windows installer under Wine, as an administrator would deploy it:
# installed silently, the program and its Start-menu shortcut in place, one
# entry under "Apps & features" with its publisher and version; the
# installed program started and asked for a weekday; a newer version
# replacing it with still one entry; and removal leaving nothing behind.
# Needs DISPLAY and WINEPREFIX set, the Wine server up.
#   check_installer.sh VERSION WINE INSTALLER.msi MAKE_MSI UPGRADE_CODE E2E_TEST READ_RESULT LISTENER
set -euo pipefail
version=$1 wine=$2 msi=$3 make_msi=$4 upgrade_code=$5 e2e=$6 read_result=$7 listener=$8
IFS=. read -r major minor patch _ <<<"$version"
newer=$major.$minor.$((patch + 1)).0
drive_c=$WINEPREFIX/drive_c
folder="$drive_c/Program Files/Calculador de fechas"
fail() { echo "FAIL: $*"; exit 1; }

# The uninstall entries that carry our name, as "version|publisher" lines.
entries() {
  "$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r' |
    awk 'function found() { if (name == "Calculador de fechas") print version "|" publisher; name = "" }
         /^HKEY/ { found(); version = ""; publisher = "" }
         $1 == "DisplayName" { sub(/^ *DisplayName +REG_SZ +/, ""); name = $0 }
         $1 == "DisplayVersion" { version = $3 }
         $1 == "Publisher" { sub(/^ *Publisher +REG_SZ +/, ""); publisher = $0 }
         END { found() }'
}
# Waits, 20 s at most, until the entries are exactly $1; the installer's
# service may still be writing them when msiexec returns.
expect_entries() {
  local deadline=$((SECONDS + 20))
  until [[ $(entries) == "$1" ]]; do
    ((SECONDS < deadline)) || fail "$2: uninstall entries $(entries | tr '\n' ';') where '$1' was due"
    sleep 0.2
  done
}
shortcuts() { find "$drive_c" -path '*/Start Menu/Programs/Calculador de fechas.lnk'; }
windows_path() { "$wine" winepath -w "$1" 2>/dev/null | tr -d '\r'; }

"$wine" msiexec /i "$(windows_path "$msi")" /qn || fail "msiexec /i ended with status $?"
[[ -f $folder/calculador-fechas.exe ]] || fail "no calculador-fechas.exe in Program Files"
[[ -n $(shortcuts) ]] || fail "no shortcut in the Start menu's Programs folder"
expect_entries "$version|Equipo de Calculador de fechas" "after the install"
/usr/bin/python3 "$e2e" "$wine" "$folder/calculador-fechas.exe" "$read_result" "$listener" ||
  fail "the installed program did not work"

# The same product, one version up, built from the same source.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
(cd "$(dirname "$msi")" && /usr/bin/python3 "$make_msi" calculador-fechas.wxs calculador-fechas.exe "$newer" \
  "$upgrade_code" "$scratch/newer.msi")
"$wine" msiexec /i "$(windows_path "$scratch/newer.msi")" /qn || fail "the upgrade ended with status $?"
expect_entries "$newer|Equipo de Calculador de fechas" "after the upgrade"

"$wine" msiexec /x "$(windows_path "$scratch/newer.msi")" /qn || fail "msiexec /x ended with status $?"
expect_entries "" "after the removal"
[[ ! -e $folder ]] || fail "the program's folder is left"
[[ -z $(shortcuts) ]] || fail "the shortcut is left"
"$wine" reg query 'HKLM\Software\Calculador de fechas' >/dev/null 2>&1 && fail "the registry key is left"
echo "1 passed, 0 failed"
