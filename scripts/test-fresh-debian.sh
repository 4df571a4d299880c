#!/usr/bin/env bash
# Runs the README's test command, scripts/test.sh, in brand-new minimal Debian
# roots (Debian 13, then Debian 12, unless suites are named), each made at the
# start with mmdebstrap and holding a clone of the committed HEAD: what a
# newcomer's freshly installed machine has, so that a package missing from
# scripts/install-deps.sh fails here instead of hiding behind this machine's.
# Every stage of the tests must run in these roots: one that could not, for
# want of a package, fails the run. To keep CI within its time, what does
# not depend on the system runs in one root only: the release and delivery
# tests, which make Debian roots of their own, in the last; the static
# checks and the fuzzing, which read the source, in the first, whose tools
# are the newest.
#   scripts/test-fresh-debian.sh [SUITE...]     as root; e.g. trixie bookworm
set -euo pipefail
cd "$(dirname "$0")/.."
(($#)) || set -- trixie bookworm
[[ $(id -u) == 0 ]] || { echo "$0: hace falta ser root para crear los sistemas y entrar en ellos" >&2; exit 2; }
source scripts/lib/fresh-root.sh
source scripts/lib/source-tree.sh
trap leave_root EXIT
trap 'exit 130' INT TERM  # so that the root is left even then

total=0
for suite in "$@"; do
  start=$SECONDS
  echo "==== Debian $suite: un sistema mínimo recién creado, con la fuente de $(git rev-parse --short HEAD 2>/dev/null || pwd)"
  make_root "$suite"
  if git rev-parse --git-dir >/dev/null 2>&1; then
    git clone -q . "$root/root/project"
  else
    mkdir "$root/root/project"
    source_files . | xargs -0 cp --parents -t "$root/root/project"
  fi
  log=$(mktemp)
  release_tests=no source_checks=no
  [[ $suite == "${*: -1}" ]] && release_tests=yes
  [[ $suite == "$1" ]] && source_checks=yes
  in_root "cd /root/project && CALCULADOR_RELEASE_TESTS=$release_tests CALCULADOR_SOURCE_CHECKS=$source_checks \
           bash scripts/test.sh" 2>&1 | tee "$log"
  passed=$(sed -n 's/^tests: \([0-9]*\) passed, 0 failed$/\1/p' "$log" | tail -n1)
  skipped=$(grep '^etapa sin correr:\|^prueba sin correr:' "$log" || true)
  rm -f "$log"
  [[ -z $skipped ]] || { echo "==== Debian $suite: aquí han de correr todas las etapas, pero: $skipped" >&2; exit 1; }
  leave_root
  echo "==== Debian $suite: $passed pruebas pasadas en $((SECONDS - start)) s"
  total=$((total + passed))
done
echo "tests: $total passed, 0 failed"
