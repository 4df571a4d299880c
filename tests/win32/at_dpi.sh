#!/usr/bin/env bash
# Runs a command with Wine's screen set to a DPI, as the display settings
# would set Windows': for Wine processes started meanwhile. Restores the
# default of 96 afterwards.
# usage: at_dpi.sh DPI WINE COMMAND...
set -euo pipefail
dpi=$1 wine=$2
shift 2
keys=('HKCU\Control Panel\Desktop' 'HKCC\Software\Fonts')
restore() { for key in "${keys[@]}"; do "$wine" reg delete "$key" /v LogPixels /f >/dev/null 2>&1 || true; done; }
trap restore EXIT
for key in "${keys[@]}"; do "$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1; done
CALCULADOR_EXPECTED_DPI=$dpi "$@"
