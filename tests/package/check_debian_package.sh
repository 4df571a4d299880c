#!/usr/bin/env bash
# Makes the Debian package from a build folder into BUILD_DIR/package,
# unpacks it into a scratch folder and checks what it holds: the files, the
# control data with its computed library dependencies, the hardening of the
# program, the desktop entry and AppStream data as their own validators read
# them, and the whole package as lintian reads it.
#   check_debian_package.sh BUILD_DIR VERSION APP_ID     e.g. 1.0.0.0 org.calculadorfechas.CalculadorDeFechas
set -euo pipefail
build=$(cd "$1" && pwd)
version=$2 app=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

rm -rf "$build/package"
(cd "$build" && cpack -G DEB -B "$build/package" >"$scratch/cpack.log") || { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$(ls "$build"/package/*.deb)
[[ $(basename "$deb") == calculador-fechas_${version}_*.deb ]] || fail "package named $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == calculador-fechas ]] || fail "Package: $(field Package)"
[[ $(field Version) == "$version" ]] || fail "Version: $(field Version)"

dpkg-deb -x "$deb" "$scratch/root"
for needed in qt6-translations-l10n qt6-wayland; do
  grep -qw "$needed" <<<"$(field Depends)" || fail "Depends lacks $needed: $(field Depends)"
done
# Every library the program links to directly is named by the package that
# holds it here, whatever this release of Debian calls that package.
depends=$(field Depends)
for soname in $(objdump -p "$scratch/root/usr/bin/calculador-fechas" | awk '$1 == "NEEDED" {print $2}'); do
  owners=$(dpkg -S "*/$soname" | cut -d: -f1 | sort -u)
  [[ -n $owners ]] || fail "no package holds $soname"
  grep -qwF -f <(echo "$owners") <<<"$depends" || fail "Depends lacks the package of $soname ($owners): $depends"
done
expected=(
  usr/bin/calculador-fechas
  usr/share/doc/calculador-fechas/changelog.gz
  usr/share/doc/calculador-fechas/copyright
  usr/share/man/man1/calculador-fechas.1.gz
  usr/share/applications/$app.desktop
  usr/share/icons/hicolor/scalable/apps/calculador-fechas.svg
)
for size in 16 32 48 64 128 256; do expected+=("usr/share/icons/hicolor/${size}x$size/apps/calculador-fechas.png"); done
actual=$(cd "$scratch/root" && find . -type f | sed 's#^\./##' | sort)
[[ $actual == "$(printf '%s\n' "${expected[@]}" | sort)" ]] || fail "package holds: $actual"
[[ -x $scratch/root/usr/bin/calculador-fechas ]] || fail "the program is not executable"
for size in 16 32; do
  file "$scratch/root/usr/share/icons/hicolor/${size}x$size/apps/calculador-fechas.png" |
    grep -q "$size x $size, 4-bit colormap" || fail "the ${size}x$size icon is not a 16-colour image of that size"
done
# Launchers draw 48 px and more from these, which are smooth, not 16 colours.
for size in 48 64 128 256; do
  file "$scratch/root/usr/share/icons/hicolor/${size}x$size/apps/calculador-fechas.png" |
    grep -q "$size x $size, 8-bit/color RGBA" || fail "the ${size}x$size icon is not a smooth image of that size"
done
file "$scratch/root/usr/share/icons/hicolor/scalable/apps/calculador-fechas.svg" | grep -q "SVG" ||
  fail "the scalable icon is not SVG"

desktop-file-validate "$scratch/root/usr/share/applications/$app.desktop"
grep -qx "Name=Calculador de fechas" "$scratch/root/usr/share/applications/$app.desktop" || fail "desktop entry name"
# The AppStream data, which goes into the package only with a home page:
# current validators require one.
metainfo=$build/form/$app.metainfo.xml
validate_appstream() { appstreamcli validate --no-net "$@" "$metainfo" >"$scratch/appstream.log" 2>&1; }
overrides=()
if grep -q '<url type="homepage">' "$metainfo"; then
  [[ -f $scratch/root/usr/share/metainfo/$app.metainfo.xml ]] || fail "AppStream data not in the package"
else
  [[ ! -e $scratch/root/usr/share/metainfo ]] || fail "AppStream data without a home page in the package"
  overrides=(--override=url-homepage-missing=info)  # older validators know no such tag
fi
validate_appstream "${overrides[@]}" || { grep -q "is not recognized" "$scratch/appstream.log" && validate_appstream; } ||
  { cat "$scratch/appstream.log"; fail "AppStream data"; }
grep -qF "<release version=\"1.00\"" "$metainfo" || fail "AppStream version"
# Catalogues take an application only with an icon of 64 px or more: the
# theme icon the data names must be in the package at that size.
icon=$(sed -n 's|.*<icon type="stock">\(.*\)</icon>.*|\1|p' "$metainfo")
[[ -f $scratch/root/usr/share/icons/hicolor/64x64/apps/$icon.png ]] || fail "no 64 px icon named '$icon'"
grep -qx "Icon=$icon" "$scratch/root/usr/share/applications/$app.desktop" || fail "the desktop entry names another icon"

# Debian's hardening, read from the program's ELF headers: a position-
# independent executable, its relocations read-only and bound at start, the
# stack protector linked in; and checked libc calls asked of the compiler.
program=$scratch/root/usr/bin/calculador-fechas
[[ $(readelf -h "$program") =~ Type:\ +DYN ]] || fail "not a position-independent executable"
[[ $(readelf -lW "$program") == *GNU_RELRO* ]] || fail "no read-only relocations"
[[ $(readelf -dW "$program") =~ BIND_NOW|FLAGS_1.*\ NOW ]] || fail "symbols not bound at start"
[[ $(readelf --dyn-syms -W "$program") == *__stack_chk_fail* ]] || fail "no stack protector"
grep -qE -- '-D_FORTIFY_SOURCE=[23]' "$build/compile_commands.json" || fail "built without _FORTIFY_SOURCE"

# Errors and warnings fail; information and pedantic tags are shown, and pass.
lintian --pedantic -I "$deb" 2>/dev/null | tee "$scratch/lintian.log"
! grep -Eq '^[EW]: ' "$scratch/lintian.log" || fail "lintian"

echo "Debian package $(basename "$deb") checked."
