#!/usr/bin/env bash
# The build half of scripts/release.sh, run inside its brand-new Debian root
# from the unpacked source tarball, with SOURCE_DATE_EPOCH set: installs what
# the build needs, builds the Debian package, the Windows program and its
# installer and the web page, and writes them into OUT with the .buildinfo
# that records the root.
#   packaging/build-release.sh OUT
set -euo pipefail
cd "$(dirname "$0")/.."
out=$1
: "${SOURCE_DATE_EPOCH:?}"
source scripts/lib/source-tree.sh
version=$(source_version .)
jobs=$(nproc)
mkdir -p "$out"

scripts/install-deps.sh run package cross web >/dev/null

echo "== El paquete de Debian"
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-release -j"$jobs" >/dev/null
(cd build-release && cpack -G DEB -B "$PWD/package" >/dev/null)
cp build-release/package/calculador-fechas_"$version"_amd64.deb "$out/"

echo "== El programa y el instalador de Windows"
cmake -S . -B build-release-windows --toolchain cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DBUILD_TESTING=OFF >/dev/null
cmake --build build-release-windows -j"$jobs" >/dev/null
cp build-release-windows/form/win32/{calculador-fechas.exe,calculador-fechas-"$version".msi} "$out/"

echo "== La página web, en web/"
emcmake cmake -S . -B build-release-web -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-release-web --target web -j"$jobs" >/dev/null
cp -r build-release-web/web "$out/web"

echo "== $(basename "$out")/calculador-fechas-$version.buildinfo"
# As Debian's own .buildinfo records a build, so that anyone can make the
# same root again and rebuild; the checksums are of the files as built,
# before any signature.
buildinfo=$(mktemp)
{
  echo "Format: 1.0"
  echo "Source: calculador-fechas"
  echo "Binary: calculador-fechas"
  echo "Architecture: amd64"
  echo "Version: $version"
  echo "Checksums-Sha256:"
  (cd "$out" && find . -type f -printf '%P\n' | LC_ALL=C sort |
    while read -r file; do echo " $(sha256sum <"$file" | cut -d' ' -f1) $(stat -c %s "$file") $file"; done)
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
} >"$buildinfo"
mv "$buildinfo" "$out/calculador-fechas-$version.buildinfo"
chmod 644 "$out/calculador-fechas-$version.buildinfo"
