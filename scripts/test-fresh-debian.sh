#!/usr/bin/env bash
# Runs the README's test command, scripts/test.sh, in brand-new minimal Debian
# roots (Debian 13 and Debian 12, unless suites are named), each made at the
# start with mmdebstrap and holding a clone of the committed HEAD: what a
# newcomer's freshly installed machine has, so that a package missing from
# scripts/install-deps.sh fails here instead of hiding behind this machine's.
# Every stage of the tests must run in these roots: one that could not, for
# want of a package, fails the run. The roots run side by side, each line
# they print marked with its suite, as one often waits on a download, a
# window or a screen reader while the other compiles. The release and
# delivery tests, which make Debian roots of their own and take minutes,
# run in the last root only, to keep CI within its time.
#   scripts/test-fresh-debian.sh [SUITE...]     as root; e.g. trixie bookworm
set -euo pipefail
cd "$(dirname "$0")/.."
(($#)) || set -- trixie bookworm
[[ $(id -u) == 0 ]] || { echo "$0: hace falta ser root para crear los sistemas y entrar en ellos" >&2; exit 2; }
source scripts/lib/fresh-root.sh
source scripts/lib/source-tree.sh
logs=$(mktemp -d)
suites=()
trap 'kill -TERM "${suites[@]}" 2>/dev/null; wait; rm -rf "$logs"' EXIT
trap 'exit 130' INT TERM  # so that the roots are left even then

# One suite's root, from its making to its leaving; the last line says how
# many tests passed there.
test_in_root() {
  local suite=$1 release_tests=$2 start=$SECONDS
  trap leave_root EXIT
  trap 'exit 130' TERM
  echo "==== Debian $suite: un sistema mínimo recién creado, con la fuente de $(git rev-parse --short HEAD 2>/dev/null || pwd)"
  make_root "$suite"
  if git rev-parse --git-dir >/dev/null 2>&1; then
    git clone -q . "$root/root/project"
  else
    mkdir "$root/root/project"
    source_files . | xargs -0 cp --parents -t "$root/root/project"
  fi
  in_root "cd /root/project && CALCULADOR_RELEASE_TESTS=$release_tests bash scripts/test.sh" 2>&1 | tee "$logs/$suite"
  skipped=$(grep '^etapa sin correr:\|^prueba sin correr:' "$logs/$suite" || true)
  [[ -z $skipped ]] || { echo "==== Debian $suite: aquí han de correr todas las etapas, pero: $skipped" >&2; exit 1; }
  echo "==== Debian $suite: $(sed -n 's/^tests: \([0-9]*\) passed, 0 failed$/\1/p' "$logs/$suite" | tail -n1) pruebas pasadas en $((SECONDS - start)) s"
}

# Two roots of some 7 GB each do not both fit in memory beside what they
# run: side by side, they live on disk, and the short-lived roots made
# inside them in memory where there is room (the setting stays out here).
((${#@} == 1)) || export CALCULADOR_ROOT_IN_MEMORY=no
for suite in "$@"; do
  release_tests=no
  [[ $suite == "${*: -1}" ]] && release_tests=yes
  (test_in_root "$suite" "$release_tests" 2>&1 | sed -u "s/^/[$suite] /"; exit "${PIPESTATUS[0]}") &
  suites+=($!)
done
failed=()
for i in "${!suites[@]}"; do
  wait "${suites[$i]}" || failed+=("${@:i+1:1}")
done
suites=()
((${#failed[@]} == 0)) || { echo "==== fallaron las pruebas en Debian ${failed[*]}" >&2; exit 1; }
total=0
for suite in "$@"; do
  total=$((total + $(sed -n 's/^tests: \([0-9]*\) passed, 0 failed$/\1/p' "$logs/$suite" | tail -n1)))
done
echo "tests: $total passed, 0 failed"
