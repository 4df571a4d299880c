#!/usr/bin/env bash
# Authenticode-signs a Windows program or installer in place with
# osslsigncode, with the owner's certificate and key in a PKCS#12 file whose
# password is in another file. Neither ever belongs in the repository.
#   scripts/sign-windows.sh FILE CERTIFICATE.p12 PASSWORD_FILE
set -euo pipefail
file=$1 certificate=$2 password=$3
osslsigncode sign -pkcs12 "$certificate" -readpass "$password" -h sha256 -n "Calculador de fechas" \
  -in "$file" -out "$file.signed" >/dev/null
mv "$file.signed" "$file"
