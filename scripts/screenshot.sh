#!/usr/bin/env bash
# Photographs the window after the typical request, 7 / 5 / 2003, for the
# README: docs/calculador-fechas.png. Needs a build in build/ (scripts/run.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
[[ -x build/form/qt/calculador-fechas ]] || { echo "Primero hay que compilar el programa: bash scripts/run.sh" >&2; exit 1; }
scripts/install-deps.sh screenshot
out=${1:-docs/calculador-fechas.png}

xvfb-run -a -s "-screen 0 640x480x24 -noreset" bash -c '
  build/form/qt/calculador-fechas & program=$!
  trap "kill $program" EXIT
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "^Calculador de fechas$" | head -n1) ||
    { echo "La ventana no apareció en 20 s" >&2; exit 1; }
  timeout 20 xdotool windowfocus --sync "$window"
  xdotool type 7; xdotool key Tab; xdotool type 5; xdotool key Tab; xdotool type 2003
  before=$(mktemp --suffix=.png)
  import -window "$window" "$before"
  xdotool key Return
  # Photographed once the result is drawn: once the window has changed.
  for ((i = 0; i < 100; i++)); do
    import -window "$window" "$1"
    compare -metric AE "$before" "$1" null: 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$before"
  ((i < 100)) || { echo "El resultado no apareció en 10 s" >&2; exit 1; }
' _ "$out"
echo "Escrita $out"
