#!/usr/bin/env bash
# Instala el programa para todos los usuarios, en /usr/local: la orden
# calculador-fechas, su entrada en el menú de aplicaciones, su icono y su
# página de manual. Antes instala lo que falte para compilarlo, y lo compila.
# Otro destino: CALCULADOR_PREFIX=/ruta bash scripts/install.sh
# Lo deshace: bash scripts/uninstall.sh (con el mismo CALCULADOR_PREFIX).
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=${CALCULADOR_PREFIX:-/usr/local}

echo "Compilando en build/…"
scripts/lib/build-program.sh
echo "Instalando en $prefix…"
cmake --install build --prefix "$prefix" --strip >/dev/null
# Lo instalado, para que uninstall.sh lo quite aunque build/ ya no esté.
record=$prefix/share/calculador-fechas/instalado.txt
mkdir -p "$(dirname "$record")"
{ cat build/install_manifest.txt; echo; echo "$record"; } | sed '/^$/d' >"$record"
echo "Instalado: «Calculador de fechas» está en el menú de aplicaciones (Utilidades);"
echo "también se abre con la orden calculador-fechas, y su manual con man calculador-fechas."
