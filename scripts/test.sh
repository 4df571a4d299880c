#!/usr/bin/env bash
# Installs what is missing, then runs seven stages: an optimised build with
# every test of every tier (the package tests among them); a build with
# AddressSanitizer and UndefinedBehaviorSanitizer and its tests again (all
# but the package and release ones, which a sanitised build never makes);
# the Windows program under Wine; the web page, built with emscripten and
# tested under Node.js and in Chromium; the static checks, over the three
# builds' code; a minute of fuzzing for each harness; and the release tests
# of the optimised build, which ran beside all those. Warnings are fatal.
# The last lines say how many stages ran, and which could not run for want
# of a tool the distribution lacks, and why, and which tests could not.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
jobs=$(nproc)
# Every tier of tests, and warnings fatal.
every_test=(-DBUILD_TESTING=ON -DCALCULADOR_SYSTEM_TESTS=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON)
passed=0
stages=0
not_run=()
tests_not_run=()

# Counts the tests a ctest log says passed, less those that could not run
# here: such a test says why in its own output, and exits 77.
count_passed() {
  local name
  passed=$((passed + $(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\)/\1/p' "$1")))
  for name in $(sed -n '/The following tests did not run:/,/^$/s/^\s*[0-9]* - \([^ ]*\) .*/\1/p' "$1"); do
    tests_not_run+=("$name, de $(dirname "$1") (su salida: ctest --test-dir $(dirname "$1") -R '^$name\$' -V)")
    passed=$((passed - 1))  # ctest counts it among those that passed
  done
}
# Runs one build's tests, all but those labelled release, and counts them;
# ctest fails the script on any failure.
run_tests() {
  ctest --test-dir "$1" --output-on-failure -j"$jobs" -LE '^release$' | tee "$1/ctest.log"
  count_passed "$1/ctest.log"
}

# Each stage says when it starts how long the one before took.
stage_started=$SECONDS
stage() {
  ((stages == 0)) || echo "== (etapa terminada en $((SECONDS - stage_started)) s)"
  stage_started=$SECONDS
  stages=$((stages + 1))
  echo "== $1"
}

stage "Compilación optimizada y sus pruebas"
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Release "${every_test[@]}" -DCALCULADOR_BENCHMARKS=ON >/dev/null
cmake --build build-test -j"$jobs"
# The release tests make Debian roots of their own and spend most of their
# minutes in dpkg: they run beside the stages that follow, and their log
# comes at the end. CALCULADOR_RELEASE_TESTS=no leaves them out, as CI does
# in all its roots but one (scripts/test-fresh-debian.sh).
release_tests=""
if [[ ${CALCULADOR_RELEASE_TESTS:-yes} == yes ]]; then
  setsid ctest --test-dir build-test --output-on-failure -j"$jobs" -L '^release$' >build-test/ctest-release.log 2>&1 &
  release_tests=$!
  trap 'kill -TERM -- -"$release_tests" 2>/dev/null || true' EXIT  # with the script, should it fail first
else
  echo "Las pruebas de la versión publicada se dejan para otro sistema (CALCULADOR_RELEASE_TESTS=no)."
fi
run_tests build-test

stage "Compilación con AddressSanitizer y UndefinedBehaviorSanitizer, y sus pruebas"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALCULADOR_SANITIZE=ON "${every_test[@]}" >/dev/null
cmake --build build-sanitize -j"$jobs"
run_tests build-sanitize

stage "Programa de Windows, compilado con MinGW-w64 y probado bajo Wine"
status=0
scripts/test-windows.sh || status=$?
case $status in
  0) count_passed build-windows/ctest.log ;;
  77) not_run+=("programa de Windows: esta distribución no tiene Wine") ;;
  *) exit "$status" ;;
esac

stage "Página web, compilada con emscripten y probada con Node.js y en Chromium"
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release "${every_test[@]}" >/dev/null
cmake --build build-web -j"$jobs"
run_tests build-web

# The static checks and the fuzzing read the source, not the system it is
# built on: CALCULADOR_SOURCE_CHECKS=no leaves them out, as CI does in all
# its roots but one.
if [[ ${CALCULADOR_SOURCE_CHECKS:-yes} == yes ]]; then
  stage "Análisis estático"
  scripts/lint.sh build-test build-windows build-web

  stage "Fuzzing, un minuto por arnés"
  scripts/fuzz.sh 60
else
  echo "El análisis estático y el fuzzing se dejan para otro sistema (CALCULADOR_SOURCE_CHECKS=no)."
fi

if [[ -n $release_tests ]]; then
  stage "La versión publicada, hecha otra vez y entregada (empezó tras la compilación optimizada)"
  status=0
  wait "$release_tests" || status=$?
  cat build-test/ctest-release.log
  ((status == 0)) || exit "$status"
  count_passed build-test/ctest-release.log
fi

echo "== (etapa terminada en $((SECONDS - stage_started)) s)"
echo "etapas: corrieron $((stages - ${#not_run[@]})) de $stages"
for reason in "${not_run[@]}"; do echo "etapa sin correr: $reason"; done
for test in "${tests_not_run[@]}"; do echo "prueba sin correr: $test"; done
# The last line, in the form CI reads.
echo "tests: $passed passed, 0 failed"
