#!/usr/bin/env bash
# Makes a release in dist/: every file a user downloads, the same bytes on
# every run from the same commit, wherever and whenever it runs.
#   calculador-fechas-VERSION.tar.gz        the source of the committed tree
#   calculador-fechas_VERSION_amd64.deb     for Debian 12 and 13
#   calculador-fechas.exe, calculador-fechas-VERSION.msi   for Windows
#   calculador-fechas-VERSION.buildinfo     the build root's packages, to make it again
#   calculador-fechas-VERSION-portable.zip  the Windows program, to run without installing
#   web/                                    the program as a web page, for any browser
#   index.html                              the download page, with the pictures beside it
#   SHA256SUMS                              over all of them, for sha256sum -c
# The programs are built from the tarball in a brand-new minimal Debian 12
# root, with SOURCE_DATE_EPOCH the commit's time. As root:
#   bash scripts/release.sh
# Options, in the environment; the key and certificate files never belong in
# the repository:
#   CALCULADOR_OPENPGP_KEY=clave.asc [CALCULADOR_OPENPGP_PASSPHRASE_FILE=f]
#       signs SHA256SUMS and the tarball: SHA256SUMS.asc, ….tar.gz.asc, and
#       puts the public key beside them, calculador-fechas.asc; and makes the
#       APT repository apt/, keeping the versions an earlier release left in
#       dist/apt/ or in CALCULADOR_APT_PREVIOUS=folder
#   CALCULADOR_DOWNLOAD_URL=https://…/   where dist/ is published, as it stands:
#       the repository's source file and the page point there; empty while
#       the project has no address
#   CALCULADOR_SIGNING_PKCS12=cert.p12 CALCULADOR_SIGNING_PASSWORD_FILE=f
#       Authenticode-signs the .exe and the .msi once built; the .buildinfo
#       keeps the SHA-256 of both as built, before signing
#   CALCULADOR_DIST=folder    where to write instead of dist/
#   CALCULADOR_BUILT=folder   another folder holding a release of the same
#       source, whose programs are taken as its .buildinfo records them
#       instead of being built again: to sign or publish what was built once
set -euo pipefail
cd "$(dirname "$0")/.."
[[ $(id -u) == 0 ]] || { echo "$0: hace falta ser root para crear el sistema de compilación (sudo o su)" >&2; exit 2; }
scripts/install-deps.sh release
source scripts/lib/source-tree.sh
source scripts/lib/fresh-root.sh
trap leave_root EXIT
trap 'exit 130' INT TERM  # so that the root is left even then
# Nothing of the caller's clock, zone, language or umask reaches a file.
umask 022
export LC_ALL=C.UTF-8 TZ=UTC
started=$SECONDS

version=$(source_version .)
name=calculador-fechas-$version
SOURCE_DATE_EPOCH=$(source_date .)
export SOURCE_DATE_EPOCH
dist=$(mkdir -p "${CALCULADOR_DIST:-dist}" && cd "${CALCULADOR_DIST:-dist}" && pwd)
find "$dist" -maxdepth 1 -type f -delete
rm -rf "$dist/web"
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

if [[ -n ${CALCULADOR_BUILT:-} ]]; then
  echo "== Los programas ya compilados de esta misma fuente, en $CALCULADOR_BUILT"
  built=$(cd "$CALCULADOR_BUILT" && pwd)
  cmp -s "$built/$name.tar.gz" "$dist/$name.tar.gz" ||
    { echo "$0: $built no es una versión de esta fuente: su $name.tar.gz es otro" >&2; exit 1; }
  # Each file as its .buildinfo says it was built: none signed or changed since.
  sums=$(sed -n '/^Checksums-Sha256:/,/^[^ ]/s/^ \([0-9a-f]*\) [0-9]* \(.*\)$/\1  \2/p' "$built/$name.buildinfo")
  (cd "$built" && sha256sum --quiet --strict -c <<<"$sums") ||
    { echo "$0: los programas de $built no son los que dice su $name.buildinfo" >&2; exit 1; }
  (cd "$built" && cut -d' ' -f3- <<<"$sums" | xargs -d '\n' cp --parents -t "$dist" "$name.buildinfo")
else
  echo "== Un Debian 12 mínimo recién creado, donde se compila"
  make_root bookworm
  mkdir "$root/build"
  cp "$dist/$name.tar.gz" "$root/build/"
  in_root "cd /build && tar -xzf $name.tar.gz && cd $name &&
           SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH bash packaging/build-release.sh /build/out"
  cp -r "$root"/build/out/* "$dist/"
  leave_root
fi

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

echo "== El programa portátil de Windows: $name-portable.zip"
portable=$(mktemp -d)
mkdir "$portable/$name"
cp "$dist/calculador-fechas.exe" "$portable/$name/"
sed 's/$/\r/' packaging/LEAME.txt >"$portable/$name/LEAME.txt"  # as Windows' Notepad shows it
touch -d "@$SOURCE_DATE_EPOCH" "$portable/$name" "$portable/$name"/*
(cd "$portable" && find "$name" | LC_ALL=C sort | zip -X -D -q -9 "$dist/$name-portable.zip" -@)
rm -rf "$portable"

# The pictures the download page shows.
cp docs/calculador-fechas.png docs/calculador-fechas-windows.png "$dist/"

signed=no
if [[ -n ${CALCULADOR_OPENPGP_KEY:-} ]]; then
  signed=yes
  gnupg=$(mktemp -d)
  passphrase=(--pinentry-mode loopback --passphrase-file "${CALCULADOR_OPENPGP_PASSPHRASE_FILE:-/dev/null}")
  gpg() { command gpg --homedir "$gnupg" --batch --quiet "$@"; }
  gpg "${passphrase[@]}" --import "$CALCULADOR_OPENPGP_KEY"
  sign() { gpg "${passphrase[@]}" --digest-algo SHA256 "$@"; }
  gpg --armor --export >"$dist/calculador-fechas.asc"

  echo "== El repositorio APT, en apt/"
  apt=$dist/apt
  mkdir -p "$apt/pool/main"
  if [[ -n ${CALCULADOR_APT_PREVIOUS:-} ]]; then
    cp -n "$CALCULADOR_APT_PREVIOUS"/pool/main/*.deb "$apt/pool/main/"
  fi
  cp "$dist/calculador-fechas_${version}_amd64.deb" "$apt/pool/main/"
  rm -rf "$apt/dists"
  mkdir -p "$apt/dists/stable/main/binary-amd64"
  (cd "$apt" && apt-ftparchive packages pool >dists/stable/main/binary-amd64/Packages)
  gzip -9nk "$apt/dists/stable/main/binary-amd64/Packages"
  (cd "$apt/dists/stable" && apt-ftparchive \
    -o APT::FTPArchive::Release::Origin="Calculador de fechas" -o APT::FTPArchive::Release::Label="Calculador de fechas" \
    -o APT::FTPArchive::Release::Suite=stable -o APT::FTPArchive::Release::Codename=stable \
    -o APT::FTPArchive::Release::Architectures=amd64 -o APT::FTPArchive::Release::Components=main \
    -o APT::FTPArchive::Release::Date="$(date -R -d "@$SOURCE_DATE_EPOCH")" release . >"$apt/Release.new")
  mv "$apt/Release.new" "$apt/dists/stable/Release"
  cp "$dist/calculador-fechas.asc" "$apt/calculador-fechas.asc"
  {
    echo "# Calculador de fechas: su repositorio APT. Su clave va en /etc/apt/keyrings."
    if [[ -n ${CALCULADOR_DOWNLOAD_URL:-} ]]; then
      echo "Types: deb"
      echo "URIs: ${CALCULADOR_DOWNLOAD_URL%/}/apt/"
      echo "Suites: stable"
      echo "Components: main"
      echo "Architectures: amd64"
      echo "Signed-By: /etc/apt/keyrings/calculador-fechas.asc"
    else
      echo "# El proyecto todavía no tiene dirección de descarga: cuando la tenga, este"
      echo "# archivo dirá en URIs dónde está el repositorio. Hasta entonces no sirve."
    fi
  } >"$apt/calculador-fechas.sources"
else
  echo "Versión sin firmar: no se ha indicado ninguna clave OpenPGP (CALCULADOR_OPENPGP_KEY), y sin ella no hay repositorio APT."
fi

echo "== La página de descarga: index.html"
address=${CALCULADOR_DOWNLOAD_URL:+${CALCULADOR_DOWNLOAD_URL%/}/}
python3 packaging/download_page.py "$dist" "$version" "$address" "${signed/yes/si}" \
  "$([[ -n ${CALCULADOR_SIGNING_PKCS12:-} ]] && echo si || echo no)"

# Signatures are made anew on every run, so they are left out of the sums.
signatures=(-name SHA256SUMS -o -name '*.tar.gz.asc' -o -name SHA256SUMS.asc -o -name InRelease -o -name Release.gpg)
if [[ $signed == yes ]]; then
  sign --clearsign -o "$apt/dists/stable/InRelease" "$apt/dists/stable/Release"
  sign --armor --detach-sign -o "$apt/dists/stable/Release.gpg" "$apt/dists/stable/Release"
fi
echo "== SHA256SUMS"
(cd "$dist" && find . -type f ! \( "${signatures[@]}" \) -printf '%P\n' | LC_ALL=C sort | xargs sha256sum >SHA256SUMS)
if [[ $signed == yes ]]; then
  echo "== Firmas OpenPGP"
  for file in SHA256SUMS "$name.tar.gz"; do
    sign --armor --detach-sign -o "$dist/$file.asc" "$dist/$file"
  done
  gpgconf --homedir "$gnupg" --kill all 2>/dev/null || true
  rm -rf "$gnupg"
fi

find "$dist" -type f -printf "%10s  %P\n" | LC_ALL=C sort -k2
echo "== Versión $version hecha en $((SECONDS - started)) s"
