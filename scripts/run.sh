#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build --target calculador-fechas package_documents -j"$(nproc)"

program=build/form/qt/calculador-fechas
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "Aquí no hay pantalla: la ventana se abre en un servidor X virtual (xvfb-run); Ctrl+C la cierra." >&2
  scripts/install-deps.sh display
  exec xvfb-run -a "$program"
fi
exec "$program"
