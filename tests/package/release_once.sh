#!/usr/bin/env bash
# The release the release and delivery tests start from, made once for both:
# scripts/release.sh on a clone of the committed HEAD, as its owner would
# run it, signed with a throwaway OpenPGP key. Leaves in FOLDER the key
# (keys/), the clone with its dist/ (uno/calculador-fechas) and when the
# run began (started). Needs what scripts/release.sh needs.
# usage: release_once.sh SOURCE_DIR FOLDER
set -euo pipefail
source_dir=$(readlink -f "$1") made=$2
source "$source_dir/scripts/lib/source-tree.sh"
source "$source_dir/tests/support/throwaway_keys.sh"
source "$source_dir/tests/support/release_in.sh"

rm -rf "$made"
mkdir -p "$made/keys"
made=$(readlink -f "$made")
throwaway_openpgp_key "$made/keys"
copy_source "$source_dir" "$made/uno/calculador-fechas"
date +%s >"$made/started"
(umask 022 && release_in "$made/uno/calculador-fechas" "$made/release.log" TZ=UTC LANG=C.UTF-8 \
  CALCULADOR_OPENPGP_KEY="$made/keys/secret.asc" CALCULADOR_OPENPGP_PASSPHRASE_FILE="$made/keys/passphrase")
tail -n1 "$made/release.log"
