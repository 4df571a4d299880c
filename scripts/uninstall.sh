#!/usr/bin/env bash
# Quita lo que instaló scripts/install.sh, y las carpetas que queden vacías.
# Otro destino: CALCULADOR_PREFIX=/ruta bash scripts/uninstall.sh
set -euo pipefail
prefix=${CALCULADOR_PREFIX:-/usr/local}
record=$prefix/share/calculador-fechas/instalado.txt
[[ -f $record ]] || { echo "No hay nada de Calculador de fechas instalado en $prefix." >&2; exit 1; }

mapfile -t files <"$record"
for file in "${files[@]}"; do
  rm -f -- "$file"
  # Las carpetas que el programa dejó vacías, sin salir del destino.
  folder=$(dirname "$file")
  while [[ $folder == "$prefix"/* ]] && rmdir -- "$folder" 2>/dev/null; do folder=$(dirname "$folder"); done
done
echo "Calculador de fechas desinstalado de $prefix."
