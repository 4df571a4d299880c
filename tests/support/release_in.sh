# Sourced, not run: a test's run of scripts/release.sh.
#   release_in CLONE LOG [VARIABLE=VALUE...]   runs CLONE's scripts/release.sh with
#       those variables, its output in LOG, shown if it fails or takes over 15 minutes

release_in() {
  (cd "$1" && env "${@:3}" timeout 900 bash scripts/release.sh) >"$2" 2>&1 ||
    { cat "$2"; echo "scripts/release.sh failed or took over 15 minutes in $1" >&2; return 1; }
}
