#!/usr/bin/env bash
# Makes a release in dist/: every file a user downloads, the same bytes on
# every run from the same commit, wherever and whenever it runs.
#   calculador-fechas-VERSION.tar.gz        the source of the committed tree
#   calculador-fechas_VERSION_amd64.deb     for Debian 12 and 13
#   calculador-fechas.exe, calculador-fechas-VERSION.msi   for Windows
#   calculador-fechas-VERSION.buildinfo     the build root's packages, to make it again
#   SHA256SUMS                              over all of them, for sha256sum -c
# The programs are built from the tarball in a brand-new minimal Debian 12
# root, with SOURCE_DATE_EPOCH the commit's time. As root:
#   bash scripts/release.sh
# Options, in the environment; the key and certificate files never belong in
# the repository:
#   CALCULADOR_OPENPGP_KEY=clave.asc [CALCULADOR_OPENPGP_PASSPHRASE_FILE=f]
#       signs SHA256SUMS and the tarball: SHA256SUMS.asc, ….tar.gz.asc, and
#       puts the public key beside them, calculador-fechas.asc
#   CALCULADOR_SIGNING_PKCS12=cert.p12 CALCULADOR_SIGNING_PASSWORD_FILE=f
#       Authenticode-signs the .exe and the .msi once built; the .buildinfo
#       keeps the SHA-256 of both as built, before signing
#   CALCULADOR_DIST=folder    where to write instead of dist/
set -euo pipefail
cd "$(dirname "$0")/.."
[[ $(id -u) == 0 ]] || { echo "$0: hace falta ser root para crear el sistema de compilación (sudo o su)" >&2; exit 2; }
source scripts/source-tree.sh
source scripts/fresh-root.sh
trap leave_root EXIT
trap 'exit 130' INT TERM  # so that the root is left even then
# Nothing of the caller's clock, zone, language or umask reaches a file.
umask 022
export LC_ALL=C.UTF-8 TZ=UTC
started=$SECONDS

version=$(sed -n 's/^project(calculador-fechas VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
name=calculador-fechas-$version
SOURCE_DATE_EPOCH=$(source_date .)
export SOURCE_DATE_EPOCH
dist=$(mkdir -p "${CALCULADOR_DIST:-dist}" && cd "${CALCULADOR_DIST:-dist}" && pwd)
find "$dist" -maxdepth 1 -type f -delete
echo "== Versión $version, fecha de la fuente $(date -d "@$SOURCE_DATE_EPOCH" '+%F %T UTC'), en $dist"

echo "== La fuente: $name.tar.gz"
staging=$(mktemp -d)
mkdir "$staging/$name"
if git rev-parse --git-dir >/dev/null 2>&1; then
  git archive --format=tar HEAD | tar -x -C "$staging/$name"
else
  source_files . | tar --null -T - -c | tar -x -C "$staging/$name"
fi
tar --sort=name --format=gnu --owner=0 --group=0 --numeric-owner --mtime="@$SOURCE_DATE_EPOCH" \
  --mode=u+rw,go-w,a+rX -C "$staging" -c "$name" | gzip -9n >"$dist/$name.tar.gz"
rm -rf "$staging"

echo "== Un Debian 12 mínimo recién creado, donde se compila"
make_root bookworm
mkdir "$root/build"
cp "$dist/$name.tar.gz" "$root/build/"
in_root "cd /build && tar -xzf $name.tar.gz && cd $name &&
         SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH bash packaging/build-release.sh /build/out"
cp "$root"/build/out/* "$dist/"
leave_root

if [[ -n ${CALCULADOR_SIGNING_PKCS12:-} ]]; then
  # After the build, so that the files signed are the ones anyone can
  # rebuild: the installer holds the program as built.
  echo "== Firmas Authenticode"
  scripts/install-deps.sh sign
  for file in calculador-fechas.exe "$name.msi"; do
    scripts/sign-windows.sh "$dist/$file" "$CALCULADOR_SIGNING_PKCS12" \
      "${CALCULADOR_SIGNING_PASSWORD_FILE:?falta CALCULADOR_SIGNING_PASSWORD_FILE}"
  done
fi

echo "== SHA256SUMS"
(cd "$dist" && find . -maxdepth 1 -type f ! -name '*.asc' ! -name SHA256SUMS -printf '%P\n' | sort |
  xargs sha256sum >SHA256SUMS)

if [[ -n ${CALCULADOR_OPENPGP_KEY:-} ]]; then
  echo "== Firmas OpenPGP"
  gnupg=$(mktemp -d)
  passphrase=(--pinentry-mode loopback --passphrase-file "${CALCULADOR_OPENPGP_PASSPHRASE_FILE:-/dev/null}")
  gpg() { command gpg --homedir "$gnupg" --batch --quiet "$@"; }
  gpg "${passphrase[@]}" --import "$CALCULADOR_OPENPGP_KEY"
  for file in SHA256SUMS "$name.tar.gz"; do
    gpg "${passphrase[@]}" --armor --detach-sign --digest-algo SHA256 -o "$dist/$file.asc" "$dist/$file"
  done
  gpg --armor --export >"$dist/calculador-fechas.asc"
  gpgconf --homedir "$gnupg" --kill all 2>/dev/null || true
  rm -rf "$gnupg"
else
  echo "Versión sin firmar: no se ha indicado ninguna clave OpenPGP (CALCULADOR_OPENPGP_KEY)."
fi

ls -l "$dist"
echo "== Versión $version hecha en $((SECONDS - started)) s"
