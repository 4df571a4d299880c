#!/usr/bin/env bash
# Puts axe-core from the npm registry into FOLDER, once; where the registry
# cannot be reached, says so and exits 77, ctest's "could not run".
#   axe_core.sh FOLDER
set -euo pipefail
folder=$1
[[ -s $folder/node_modules/axe-core/axe.min.js ]] && exit 0
if ! command -v npm >/dev/null; then
  echo "COULD NOT RUN: npm missing (scripts/install-deps.sh web)"
  exit 77
fi
# npm trusts the system's certificates, this machine's own among them.
if ! timeout 300 npm install --prefix "$folder" --cafile /etc/ssl/certs/ca-certificates.crt --no-audit --no-fund \
  --silent axe-core@4 >"$folder.log" 2>&1; then
  tail -n 3 "$folder.log"
  echo "COULD NOT RUN: axe-core could not be had from the npm registry"
  exit 77
fi
echo "axe-core $(node -p "require('$folder/node_modules/axe-core/package.json').version")"
