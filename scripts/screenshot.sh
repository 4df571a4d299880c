#!/usr/bin/env bash
# Photographs the window after the typical request, 7 / 5 / 2003, for the
# README: docs/calculador-fechas.png. Needs a build in build/ (scripts/run.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
[[ -x build/form/qt/calculador-fechas ]] || { echo "Build the program first: bash scripts/run.sh" >&2; exit 1; }
scripts/install-deps.sh screenshot
out=${1:-docs/calculador-fechas.png}

xvfb-run -a -s "-screen 0 640x480x24" bash -c '
  build/form/qt/calculador-fechas & program=$!
  window=$(xdotool search --sync --onlyvisible --name "^Calculador de fechas$" | head -n1)
  xdotool windowfocus --sync "$window"
  xdotool type 7; xdotool key Tab; xdotool type 5; xdotool key Tab; xdotool type 2003; xdotool key Return
  sleep 0.5
  import -window "$window" "$1"
  kill "$program"
' _ "$out"
echo "Wrote $out"
