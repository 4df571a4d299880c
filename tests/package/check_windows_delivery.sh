#!/usr/bin/env bash
# The Windows files of a release, under Wine, as their users get them: the
# portable program, unpacked from its .zip into a folder of the user's,
# passes the real end-to-end test and writes nothing to Program Files nor to
# the uninstall entries; then the release's installer passes the installer
# test. The helpers that read the window from outside are cross-built here
# from SOURCE_DIR. Where the distribution has no Wine, says so and exits 77.
# Needs root, Xvfb, xdotool and MinGW-w64.
# usage: check_windows_delivery.sh DIST SOURCE_DIR
set -euo pipefail
dist=$(readlink -f "$1") source_dir=$(readlink -f "$2")
source "$source_dir/scripts/lib/virtual-display.sh"
source "$source_dir/scripts/lib/wine-session.sh"
source "$source_dir/scripts/lib/source-tree.sh"
work=$(mktemp -d /tmp/windows-delivery.XXXXXX)
finish() {
  end_wine_session
  stop_virtual_display
  rm -rf "$work"
}
trap finish EXIT
fail() { echo "Windows delivery: $*" >&2; exit 1; }

version=$(source_version "$source_dir")
upgrade_code=$(sed -n 's/^set(CALCULADOR_UPGRADE_CODE \(.*\))$/\1/p' "$source_dir/CMakeLists.txt")
build=$work/windows
cmake -S "$source_dir" -B "$build" --toolchain "$source_dir/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DCALCULADOR_SYSTEM_TESTS=ON >/dev/null
grep -q '^CALCULADOR_WINE:FILEPATH=/' "$build/CMakeCache.txt" || { echo "sin Wine: las pruebas de Windows no corren aquí"; exit 77; }
cmake --build "$build" -j"$(nproc)" --target read_result listen_live_region msi >/dev/null
helpers=("$build/tests/win32/read_result.exe" "$build/tests/win32/listen_live_region.exe")

start_virtual_display 1024x768
export DISPLAY=:$display
start_wine_session "$build"
timeout 300 "$wine" wineboot -i 2>/dev/null || fail "Wine did not make its prefix (wineboot) within 300 s"

echo "== the portable program, from a folder of the user's"
uninstall_entries() { timeout 60 "$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null | tr -d '\r'; }
entries_before=$(uninstall_entries)
# A folder of the user's own, inside the prefix (Documents there is the home's).
folder=$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs
mkdir -p "$folder"
(cd "$folder" && unzip -q "$dist/calculador-fechas-$version-portable.zip")
program=$folder/calculador-fechas-$version/calculador-fechas.exe
[[ -f $(dirname "$program")/LEAME.txt ]] || fail "no LEAME.txt beside the program"
/usr/bin/python3 "$source_dir/tests/win32/window_wine_e2e.py" "$wine" "$program" "${helpers[@]}" ||
  fail "the portable program did not pass the end-to-end test"
[[ ! -e "$WINEPREFIX/drive_c/Program Files/Calculador de fechas" ]] || fail "the portable program wrote to Program Files"
[[ $(uninstall_entries) == "$entries_before" ]] || fail "the portable program changed the uninstall entries"
echo "it runs, and writes nothing to Program Files nor to the uninstall entries"

echo "== the release's installer"
# Beside the source it came from, where the installer test makes the next version.
cp "$dist/calculador-fechas-$version.msi" "$build/form/win32/"
"$source_dir/tests/win32/check_installer.sh" "$version" "$wine" "$build/form/win32/calculador-fechas-$version.msi" \
  "$source_dir/form/win32/make_msi.py" "$upgrade_code" "$source_dir/tests/win32/window_wine_e2e.py" "${helpers[@]}" ||
  fail "the release's installer did not pass the installer test"
