#!/usr/bin/env bash
# The WebAssembly build and the native build give the same answers, byte
# for byte, to the same requests.
#   same_answers.sh NODE WASM_JS NATIVE ARGUMENTS…
set -euo pipefail
node=$1 wasm=$2 native=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$native" "$@" >"$work/native"
"$node" "$wasm" "$@" >"$work/wasm"
if ! cmp -s "$work/native" "$work/wasm"; then
  echo "WebAssembly and native builds answer differently ($*):"
  diff "$work/native" "$work/wasm" | head -n 20
  exit 1
fi
echo "the same $(wc -l <"$work/native") lines of answers from both builds ($*)"
