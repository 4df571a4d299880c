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
work=$(mktemp -d)
commit=$(git rev-parse --short HEAD 2>/dev/null || pwd)

# One suite's root, as the NUMBERth of the run: made, with the source and
# the tests' packages, at once; its tests run once the file turn-NUMBER
# appears, and the count of those passed goes to passed-NUMBER.
test_in_root() {  # SUITE NUMBER
  local suite=$1 number=$2 start=$SECONDS status=0 release_tests=no source_checks=no log passed skipped
  trap leave_root EXIT
  trap 'exit 130' INT TERM  # so that the root is left even then
  ((number == 1)) || CALCULADOR_ROOT_IN_MEMORY=no
  make_root "$suite" >"$work/install-$number.log" 2>&1 || status=$?
  if ((status == 0)); then
    if git rev-parse --git-dir >/dev/null 2>&1; then
      git clone -q . "$root/root/project"
    else
      mkdir "$root/root/project"
      source_files . | xargs -0 cp --parents -t "$root/root/project"
    fi
    in_root "cd /root/project && bash scripts/install-deps.sh test" >>"$work/install-$number.log" 2>&1 || status=$?
  fi
  # Its turn comes when the root before it is done: four hours at the most.
  while [[ ! -e $work/turn-$number ]]; do
    ((SECONDS - start < 14400)) || { echo "==== Debian $suite: su turno no llegó en cuatro horas" >&2; exit 1; }
    sleep 2
  done
  echo "==== Debian $suite: un sistema mínimo recién creado, con la fuente de $commit"
  cat "$work/install-$number.log"
  ((status == 0)) || { echo "==== Debian $suite: no se pudo crear el sistema o instalar sus paquetes" >&2; exit 1; }
  ((number == runs)) && release_tests=yes
  ((number == 1)) && source_checks=yes
  log=$work/test-$number.log
  in_root "cd /root/project && CALCULADOR_RELEASE_TESTS=$release_tests CALCULADOR_SOURCE_CHECKS=$source_checks \
           bash scripts/test.sh" 2>&1 | tee "$log" || { echo "==== Debian $suite: las pruebas fallaron" >&2; exit 1; }
  passed=$(sed -n 's/^tests: \([0-9]*\) passed, 0 failed$/\1/p' "$log" | tail -n1)
  skipped=$(grep '^etapa sin correr:\|^prueba sin correr:' "$log" || true)
  [[ -z $skipped ]] || { echo "==== Debian $suite: aquí han de correr todas las etapas, pero: $skipped" >&2; exit 1; }
  leave_root
  echo "==== Debian $suite: $passed pruebas pasadas en $((SECONDS - start)) s, desde que se empezó a crear su sistema"
  echo "$passed" >"$work/passed-$number"
}

# Every root is made and given its packages at the start: dpkg keeps one
# core busy for minutes, and the other root's dpkg takes the core it leaves
# idle. Only the first root lives in memory: two roots of some 6 GB do not
# fit there beside the roots the tests make.
runs=$#
pids=()
finish() {
  ((${#pids[@]})) && kill -TERM "${pids[@]}" 2>/dev/null
  wait
  rm -rf "$work"
}
trap finish EXIT
trap 'exit 130' INT TERM
number=0
for suite in "$@"; do
  number=$((number + 1))
  test_in_root "$suite" "$number" &
  pids+=($!)
done
total=0
for ((number = 1; number <= runs; number++)); do
  touch "$work/turn-$number"
  wait "${pids[number - 1]}"
  total=$((total + $(cat "$work/passed-$number")))
done
pids=()
echo "tests: $total passed, 0 failed"
