# Sourced, not run: a throwaway Wine prefix with its server up, for running
# the Windows programs of a Windows build. The caller ends it with
# `trap end_wine_session EXIT` (or calls it itself).
#   start_wine_session [BUILD]   sets $wine (as BUILD, default build-windows, found it)
#                          and the WINE* variables, starts the server
# Booting the prefix (wine wineboot -i) is the caller's, on the display its
# programs will use: the prefix's desktop stays on the display it booted on.

start_wine_session() {
  wine=$(sed -n "s/^CALCULADOR_WINE:FILEPATH=//p" "${1:-build-windows}/CMakeCache.txt")
  wineserver=$(command -v wineserver || ls /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver 2>/dev/null | head -n1)
  [[ -x $wine && -x $wineserver ]] || { echo "Wine is not where the build expects it: '$wine', '$wineserver'" >&2; return 1; }
  WINEPREFIX=$(mktemp -d /tmp/wine-prefix.XXXXXX)
  export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="  # no offer to fetch .NET or a browser engine
  # One Wine server for the whole session, ending 15 s after its last
  # program. A test that started its own would hand it the test's output,
  # and ctest would wait for the server to end.
  "$wineserver" -p15
}

end_wine_session() {
  [[ -n ${wineserver:-} ]] && "$wineserver" -k 2>/dev/null
  [[ -n ${WINEPREFIX:-} ]] && rm -rf "$WINEPREFIX"
  return 0
}
