#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/lib/build-program.sh

program=build/form/qt/calculador-fechas
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "Aquí no hay pantalla: la ventana se abre en un servidor X virtual (xvfb-run); Ctrl+C la cierra." >&2
  scripts/install-deps.sh display
  exec xvfb-run -a "$program"
fi
exec "$program"
