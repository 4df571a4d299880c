#!/usr/bin/env bash
# The build half of scripts/release.sh, run inside its brand-new Debian root
# from the unpacked source tarball, with SOURCE_DATE_EPOCH set: installs what
# the build needs, builds the Debian package, the Windows program and its
# installer, and writes them into OUT with the .buildinfo that records the
# root. Given a PKCS#12 certificate and its password file, the Windows files
# are then built again, signed, over the unsigned ones.
#   packaging/build-release.sh OUT [CERTIFICATE.p12 PASSWORD_FILE]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$1
: "${SOURCE_DATE_EPOCH:?}"
version=$(sed -n 's/^project(calculador-fechas VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
jobs=$(nproc)
mkdir -p "$out"

scripts/install-deps.sh run package cross >/dev/null

echo "== El paquete de Debian"
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DCALCULADOR_TESTS=OFF >/dev/null
cmake --build build-release -j"$jobs" >/dev/null
(cd build-release && cpack -G DEB -B "$PWD/package" >/dev/null)
cp build-release/package/calculador-fechas_"$version"_amd64.deb "$out/"

echo "== El programa y el instalador de Windows"
windows() {
  cmake -S . -B "$1" --toolchain cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release -DCALCULADOR_TESTS=OFF \
    "${@:2}" >/dev/null
  cmake --build "$1" -j"$jobs" >/dev/null
  cp "$1"/form/win32/calculador-fechas.exe "$1"/form/win32/calculador-fechas-"$version".msi "$out/"
}
windows build-release-windows

echo "== $(basename "$out")/calculador-fechas-$version.buildinfo"
# As Debian's own .buildinfo records a build, so that anyone can make the
# same root again and rebuild; the checksums are of the files as built,
# before any signature.
{
  echo "Format: 1.0"
  echo "Source: calculador-fechas"
  echo "Binary: calculador-fechas"
  echo "Architecture: amd64"
  echo "Version: $version"
  echo "Checksums-Sha256:"
  (cd "$out" && for file in *; do echo " $(sha256sum <"$file" | cut -d' ' -f1) $(stat -c %s "$file") $file"; done)
  echo "Build-Origin: Debian"
  echo "Build-Architecture: $(dpkg --print-architecture)"
  echo "Build-Path: $PWD"
  echo "X-Debian-Release: $(. /etc/os-release && echo "$VERSION_CODENAME") $(cat /etc/debian_version)"
  echo "Installed-Build-Depends:"
  dpkg-query -W -f='${db:Status-Status} ${Package}:${Architecture} (= ${Version})\n' | sed -n 's/^installed / /p' |
    sed 's/:all (/ (/; s/:amd64 (/ (/' | LC_ALL=C sort | sed '$!s/$/,/'
  echo "Environment:"
  echo " LANG=\"$LANG\""
  echo " SOURCE_DATE_EPOCH=\"$SOURCE_DATE_EPOCH\""
} >"$out/calculador-fechas-$version.buildinfo"

if (($# == 3)); then
  echo "== El programa y el instalador de Windows, firmados"
  scripts/install-deps.sh sign >/dev/null
  windows build-release-windows-signed -DCALCULADOR_SIGNING_PKCS12="$2" -DCALCULADOR_SIGNING_PASSWORD_FILE="$3"
fi
