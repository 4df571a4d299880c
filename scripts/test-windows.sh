#!/usr/bin/env bash
# Cross-builds the Windows program and its tests with MinGW-w64, and runs the
# tests under Wine, on a virtual X server, in a throwaway Wine prefix.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh windows
cmake -S . -B build-windows --toolchain cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-windows -j"$(nproc)"

wineserver=$(command -v wineserver || ls /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver 2>/dev/null | head -n1)
wine=$(sed -n 's/^CALCULADOR_WINE:FILEPATH=//p' build-windows/CMakeCache.txt)
[[ -x $wine && -x $wineserver ]] || { echo "Wine is not where the build expects it: '$wine', '$wineserver'" >&2; exit 1; }
WINEPREFIX=$(mktemp -d /tmp/wine-prefix.XXXXXX)
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="  # no offer to fetch .NET or a browser engine
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
server=$!
finish() {
  "$wineserver" -k 2>/dev/null || true
  kill "$server" 2>/dev/null || true
  rm -rf "$WINEPREFIX" "$display_file"
}
trap finish EXIT
for _ in $(seq 100); do [[ -s $display_file ]] && break; sleep 0.2; done
[[ -s $display_file ]] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(<"$display_file")

# One Wine server for the whole run, ending 15 s after its last program. A
# test that started its own would hand it the test's output, and ctest would
# wait for the server to end.
"$wineserver" -p15
"$wine" wineboot -i 2>/dev/null
ctest --test-dir build-windows --output-on-failure -j"$(nproc)" | tee build-windows/ctest.log
