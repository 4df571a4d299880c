#!/usr/bin/env bash
# Builds the program as a web page into build-web/web/ and serves that
# folder on http://127.0.0.1:8000/ until Ctrl+C, to try it in a browser of
# this machine. The folder is all a web server needs: copy it anywhere.
#   bash scripts/web.sh               build it and serve it
#   bash scripts/web.sh --build-only  build it only
set -euo pipefail
cd "$(dirname "$0")/.."
[[ $# == 0 || $* == --build-only ]] || { echo "uso: $0 [--build-only]" >&2; exit 2; }

scripts/install-deps.sh web
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-web --target web -j"$(nproc)"
[[ $* == --build-only ]] && exit 0

echo "Calculador de fechas, en http://127.0.0.1:8000/ (Ctrl+C lo detiene)."
exec python3 -m http.server 8000 --bind 127.0.0.1 --directory build-web/web >/dev/null 2>&1
