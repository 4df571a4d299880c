#!/usr/bin/env bash
# Installs what is missing, then runs six stages: an optimised build with
# every test of every tier (the release and the package tests among them);
# a build with AddressSanitizer and UndefinedBehaviorSanitizer and its tests
# again (all but the package and release ones, which a sanitised build never
# makes); the Windows program under Wine; the web page, built with
# emscripten and tested under Node.js and in Chromium; the static checks,
# over the three builds' code; and a minute of fuzzing for each harness. Warnings are fatal.
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

# Counts the tests a build's ctest log says passed.
count_passed() {
  passed=$((passed + $(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\)/\1/p' "$1/ctest.log")))
}
# Runs one build's tests and counts them; ctest fails the script on any
# failure. CALCULADOR_RELEASE_TESTS=no leaves out the release and delivery
# tests, which CI runs in one of its roots only (scripts/test-fresh-debian.sh).
run_tests() {
  local leave_out=()
  [[ ${CALCULADOR_RELEASE_TESTS:-yes} == no ]] && leave_out=(-E '^(release|delivery)$') &&
    echo "Las pruebas release y delivery se dejan para otro sistema (CALCULADOR_RELEASE_TESTS=no)."
  ctest --test-dir "$1" --output-on-failure -j"$jobs" "${leave_out[@]}" | tee "$1/ctest.log"
  count_passed "$1"
  # A test that could not run here says why in its own output, and exits 77.
  local name
  for name in $(sed -n '/The following tests did not run:/,/^$/s/^\s*[0-9]* - \([^ ]*\) .*/\1/p' "$1/ctest.log"); do
    tests_not_run+=("$name, de $1 (su salida: ctest --test-dir $1 -R '^$name\$' -V)")
    passed=$((passed - 1))  # ctest counts it among those that passed
  done
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
run_tests build-test

stage "Compilación con AddressSanitizer y UndefinedBehaviorSanitizer, y sus pruebas"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALCULADOR_SANITIZE=ON "${every_test[@]}" >/dev/null
cmake --build build-sanitize -j"$jobs"
run_tests build-sanitize

stage "Programa de Windows, compilado con MinGW-w64 y probado bajo Wine"
status=0
scripts/test-windows.sh || status=$?
case $status in
  0) count_passed build-windows ;;
  77) not_run+=("programa de Windows: esta distribución no tiene Wine") ;;
  *) exit "$status" ;;
esac

stage "Página web, compilada con emscripten y probada con Node.js y en Chromium"
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release "${every_test[@]}" >/dev/null
cmake --build build-web -j"$jobs"
run_tests build-web

stage "Análisis estático"
scripts/lint.sh build-test build-windows build-web

stage "Fuzzing, un minuto por arnés"
scripts/fuzz.sh 60

echo "== (etapa terminada en $((SECONDS - stage_started)) s)"
echo "etapas: corrieron $((stages - ${#not_run[@]})) de $stages"
for reason in "${not_run[@]}"; do echo "etapa sin correr: $reason"; done
for test in "${tests_not_run[@]}"; do echo "prueba sin correr: $test"; done
# The last line, in the form CI reads.
echo "tests: $passed passed, 0 failed"
