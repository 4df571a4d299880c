#!/usr/bin/env bash
# The release as a rebuilder and a user check it. The release made by
# release_once.sh (in MADE: from a clone of the committed HEAD, with a
# throwaway OpenPGP key) is made again from another clone at another path,
# at least a minute later, with the same key and another umask, time zone
# and language; and made a third time from the first's programs, without
# that key and with a throwaway Authenticode certificate. The first two must
# give the same bytes in every file, the signatures aside (diffoscope
# explains any difference); the third must say it is unsigned, and its
# Windows files must be the first run's with a signature added. Then, as a
# user: the checksums and OpenPGP signatures pass, and fail once a byte has
# changed; the source tarball, in a brand-new Debian 13 root with no git,
# builds and shows the window through scripts/run.sh. Needs root, the
# network, git, gpg, openssl, Xvfb and xdotool: scripts/install-deps.sh release.
# usage: check_release.sh SOURCE_DIR MADE
set -euo pipefail
source_dir=$(readlink -f "$1") made=$(readlink -f "$2")
source "$source_dir/scripts/lib/fresh-root.sh"
source "$source_dir/scripts/lib/source-tree.sh"
source "$source_dir/tests/support/throwaway_keys.sh"
source "$source_dir/tests/support/release_in.sh"
work=$(mktemp -d /tmp/release-check.XXXXXX)
finish() { leave_root; rm -rf "$work"; }
trap finish EXIT
trap 'exit 130' INT TERM  # so that the root is left even then
fail() { echo "release: $*" >&2; exit 1; }

mkdir "$work/keys"
throwaway_certificate "$work/keys"
first=$made/uno/calculador-fechas second="$work/otra ruta/calculador-fechas"
copy_source "$source_dir" "$second"
version=$(source_version "$first")
name=calculador-fechas-$version

release() {  # CLONE [VARIABLE=VALUE...]
  release_in "$1" "$work/release.log" "${@:2}" || fail "scripts/release.sh"
  tail -n1 "$work/release.log"
}
key=(CALCULADOR_OPENPGP_KEY="$made/keys/secret.asc" CALCULADOR_OPENPGP_PASSPHRASE_FILE="$made/keys/passphrase")
a_minute_later=$(($(cat "$made/started") + 60))
while (($(date +%s) < a_minute_later)); do sleep 1; done
(umask 077 && release "$second" TZ=Pacific/Kiritimati LANG=es_ES.UTF-8 "${key[@]}")

echo "== the same bytes from both runs"
pool=apt/pool/main/calculador-fechas_${version}_amd64.deb
expected=("$name.tar.gz" "calculador-fechas_${version}_amd64.deb" calculador-fechas.exe "$name.msi"
          "$name-portable.zip" "$name.buildinfo" index.html calculador-fechas.png calculador-fechas-windows.png
          calculador-fechas.asc apt/calculador-fechas.asc apt/calculador-fechas.sources "$pool"
          apt/dists/stable/Release apt/dists/stable/main/binary-amd64/Packages
          apt/dists/stable/main/binary-amd64/Packages.gz SHA256SUMS web/index.html
          web/manifest.webmanifest web/sw.js web/icons/32.png web/icons/192.png web/icons/512.png
          web/icons/maskable-512.png)
signatures=(SHA256SUMS.asc "$name.tar.gz.asc" apt/dists/stable/InRelease apt/dists/stable/Release.gpg)
held=$(cd "$first/dist" && find . -type f -printf '%P\n' | LC_ALL=C sort)
[[ $held == "$(printf '%s\n' "${expected[@]}" "${signatures[@]}" | LC_ALL=C sort)" ]] || fail "the release holds: $held"
for file in "${expected[@]}"; do
  if ! cmp -s "$first/dist/$file" "$second/dist/$file"; then
    command -v diffoscope >/dev/null ||
      DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends diffoscope-minimal >/dev/null
    timeout 600 diffoscope "$first/dist/$file" "$second/dist/$file" || true
    fail "$file differs between the two runs"
  fi
done
echo "all ${#expected[@]} files identical"

echo "== as a user checks a download"
cd "$second/dist"
sha256sum --quiet -c SHA256SUMS || fail "sha256sum -c SHA256SUMS"
export GNUPGHOME=$work/user-gnupg
mkdir -m 700 "$GNUPGHOME"
gpg --batch --quiet --import calculador-fechas.asc
for file in SHA256SUMS "$name.tar.gz"; do
  gpg --batch --verify "$file.asc" "$file" 2>/dev/null || fail "gpg --verify $file.asc"
  gpg --list-packets "$file.asc" | grep -q 'digest algo 8' || fail "$file.asc is not a SHA-256 signature"
  cp "$file" "$work/changed"
  printf '\x01' | dd of="$work/changed" bs=1 seek=100 conv=notrunc status=none
  ! gpg --batch --verify "$file.asc" "$work/changed" 2>/dev/null || fail "gpg accepts $file with a byte changed"
done
cp -r . "$work/changed-dist"
printf '\x01' | dd of="$work/changed-dist/calculador-fechas.exe" bs=1 seek=100 conv=notrunc status=none
! (cd "$work/changed-dist" && sha256sum --quiet -c SHA256SUMS >/dev/null 2>&1) || fail "sha256sum accepts a changed .exe"
cd "$work"
echo "checksums and both signatures verified; a changed byte fails each"

echo "== without an OpenPGP key, with an Authenticode certificate"
(umask 022 && release "$second" TZ=UTC LANG=C.UTF-8 CALCULADOR_DIST="$work/signed" CALCULADOR_BUILT="$first/dist" \
  CALCULADOR_SIGNING_PKCS12="$work/keys/owner.p12" CALCULADOR_SIGNING_PASSWORD_FILE="$work/keys/password")
grep -q '^Versión sin firmar: ' "$work/release.log" || fail "a release without a key does not say it is unsigned"
[[ ! -e $work/signed/apt && ! -e $work/signed/SHA256SUMS.asc ]] || fail "an unsigned release has a repository or signatures"
(cd "$work/signed" && sha256sum --quiet -c SHA256SUMS) || fail "sha256sum -c SHA256SUMS of the unsigned release"
for file in "$name.tar.gz" "calculador-fechas_${version}_amd64.deb" "$name.buildinfo"; do
  cmp -s "$first/dist/$file" "$work/signed/$file" || fail "$file differs in the signed release"
done
for file in calculador-fechas.exe "$name.msi"; do
  osslsigncode verify -CAfile "$work/keys/certificate.pem" -in "$work/signed/$file" >/dev/null 2>&1 ||
    fail "$file: no valid signature"
  # The rebuilder's check: the published signature on one's own build gives
  # the published file.
  osslsigncode extract-signature -in "$work/signed/$file" -out "$work/$file.p7" >/dev/null
  osslsigncode attach-signature -sigin "$work/$file.p7" -in "$first/dist/$file" -out "$work/$file.check" >/dev/null 2>&1 || true
  cmp -s "$work/$file.check" "$work/signed/$file" || fail "$file is not the unsigned build with its signature"
done
osslsigncode remove-signature -in "$work/signed/calculador-fechas.exe" -out "$work/unsigned.exe" >/dev/null
cmp -s "$work/unsigned.exe" "$first/dist/calculador-fechas.exe" || fail "the .exe without its signature is not the build"
echo "both signed, and each is the unsigned build with its signature"

echo "== the source tarball on a brand-new Debian 13 with no git"
make_root trixie
! in_root "command -v git" >/dev/null || fail "the new root has git"
tar -xzf "$first/dist/$name.tar.gz" -C "$root/root"
show_root_on_x || fail "no X server"
window_shows "cd /root/$name && bash scripts/run.sh >/root/run.log 2>&1" ||
  { cat "$root/root/run.log"; fail "scripts/run.sh from the tarball"; }
echo "release: reproducible, verifiable, and its source builds without git."
