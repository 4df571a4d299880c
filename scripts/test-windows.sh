#!/usr/bin/env bash
# Cross-builds the Windows program and its tests with MinGW-w64, and runs the
# tests under Wine, on a virtual X server, in a throwaway Wine prefix. Where
# the distribution has no Wine, builds all the same, says why the tests could
# not run and exits 77.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/wine-session.sh
source scripts/lib/virtual-display.sh

scripts/install-deps.sh windows
# Under Wine every test is a system test; warnings fatal.
cmake -S . -B build-windows --toolchain cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DCALCULADOR_SYSTEM_TESTS=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build build-windows -j"$(nproc)"
if ! grep -q '^CALCULADOR_WINE:FILEPATH=/' build-windows/CMakeCache.txt; then
  echo "Las pruebas de Windows no pueden correr: esta distribución no tiene Wine (ni wine64 ni wine)."
  exit 77
fi

finish() {
  end_wine_session
  stop_virtual_display
}
trap finish EXIT
start_virtual_display 1024x768
export DISPLAY=:$display

start_wine_session
timeout 300 "$wine" wineboot -i 2>/dev/null || { echo "Wine no preparó su prefijo (wineboot) en 300 s" >&2; exit 1; }
# No window manager runs here, and Wine gives each window it hides up to 2 s
# to be withdrawn by one: the widget tests, which open and close windows by
# the hundred, ask for windows of their own instead.
"$wine" reg add 'HKCU\Software\Wine\AppDefaults\form1_win32_test.exe\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
ctest --test-dir build-windows --output-on-failure -j"$(nproc)" | tee build-windows/ctest.log
