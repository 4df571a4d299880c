# Sourced, not run: keys made on the spot for a test, as an owner's would be,
# in a folder the test deletes. Never any real key.
#   throwaway_certificate DIR   DIR/owner.p12 (Authenticode), DIR/password, DIR/certificate.pem
#   throwaway_openpgp_key DIR   DIR/secret.asc with SHA-256 self-signatures, DIR/passphrase

throwaway_certificate() {
  head -c 24 /dev/urandom | base64 >"$1/password"
  openssl req -x509 -newkey rsa:2048 -sha256 -days 2 -nodes -subj "/CN=Prueba de firma de Calculador de fechas" \
    -keyout "$1/key.pem" -out "$1/certificate.pem" 2>/dev/null
  openssl pkcs12 -export -inkey "$1/key.pem" -in "$1/certificate.pem" -passout "file:$1/password" \
    -out "$1/owner.p12"
}

throwaway_openpgp_key() {
  local home
  home=$(mktemp -d)
  head -c 24 /dev/urandom | base64 >"$1/passphrase"
  gpg --homedir "$home" --batch --quiet --pinentry-mode loopback --passphrase-file "$1/passphrase" \
    --cert-digest-algo SHA256 --quick-generate-key "Prueba de Calculador de fechas <prueba@calculador-fechas.invalid>" \
    rsa3072 sign 2d
  gpg --homedir "$home" --batch --pinentry-mode loopback --passphrase-file "$1/passphrase" \
    --armor --export-secret-keys >"$1/secret.asc"
  gpgconf --homedir "$home" --kill all 2>/dev/null || true
  rm -rf "$home"
}
