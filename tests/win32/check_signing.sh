#!/usr/bin/env bash
# Signing as the owner would, with a throwaway self-signed certificate made
# here and kept in a temporary folder: copies of the program and the
# installer are signed by the script the build uses, osslsigncode finds that
# certificate's signature on both, and the signed program still works under
# Wine. Needs DISPLAY and WINEPREFIX set, the Wine server up.
#   check_signing.sh SIGN_SCRIPT PROGRAM.exe INSTALLER.msi WINE E2E_TEST READ_RESULT LISTENER
set -euo pipefail
sign=$1 program=$2 installer=$3 wine=$4 e2e=$5 read_result=$6 listener=$7
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

source "$(dirname "$0")/../support/throwaway_keys.sh"
throwaway_certificate "$work"

for file in "$program" "$installer"; do
  copy=$work/$(basename "$file")
  cp "$file" "$copy"
  "$sign" "$copy" "$work/owner.p12" "$work/password"
  verified=$(osslsigncode verify -CAfile "$work/certificate.pem" -in "$copy" 2>&1) ||
    fail "$(basename "$file"): $verified"
  grep -q "CN=Prueba de firma de Calculador de fechas" <<<"$verified" ||
    fail "$(basename "$file") is not signed by the test certificate: $verified"
  echo "$(basename "$file"): signed by the test certificate, signature verified"
done
/usr/bin/python3 "$e2e" "$wine" "$work/$(basename "$program")" "$read_result" "$listener" ||
  fail "the signed program did not work"
