#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: optimised,
# and with AddressSanitizer and UndefinedBehaviorSanitizer; then the static
# checks, the Windows program under Wine, and a minute of fuzzing for each
# harness. The last lines say how many stages ran, and which could not run
# for want of a tool the distribution lacks, and why.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
jobs=$(nproc)
passed=0
stages=0
not_run=()

# Counts the tests a build's ctest log says passed.
count_passed() {
  passed=$((passed + $(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\)/\1/p' "$1/ctest.log")))
}
# Runs one build's tests and counts them; ctest fails the script on any failure.
run_tests() {
  ctest --test-dir "$1" --output-on-failure -j"$jobs" | tee "$1/ctest.log"
  count_passed "$1"
}

stage() {
  stages=$((stages + 1))
  echo "== $1"
}

stage "Optimised build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DCALCULADOR_TESTS=ON -DCALCULADOR_BENCHMARKS=ON >/dev/null
cmake --build build -j"$jobs"
run_tests build

stage "Static checks"
scripts/lint.sh build

stage "AddressSanitizer and UndefinedBehaviorSanitizer build"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALCULADOR_SANITIZE=ON -DCALCULADOR_TESTS=ON >/dev/null
cmake --build build-sanitize -j"$jobs"
run_tests build-sanitize

stage "Windows program, cross-built and tested under Wine"
status=0
scripts/test-windows.sh || status=$?
case $status in
  0) count_passed build-windows ;;
  77) not_run+=("Windows program: no Wine in this distribution's packages") ;;
  *) exit "$status" ;;
esac

stage "Fuzzing, about a minute for each harness"
scripts/fuzz.sh 60

echo "stages: $((stages - ${#not_run[@]})) of $stages ran"
for reason in "${not_run[@]}"; do echo "stage not run: $reason"; done
echo "tests: $passed passed, 0 failed"
