#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: optimised,
# and with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
jobs=$(nproc)

echo "== Optimised build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DCALCULADOR_BENCHMARKS=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Static checks"
scripts/lint.sh build

echo "== AddressSanitizer and UndefinedBehaviorSanitizer build"
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALCULADOR_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j"$jobs"
ctest --test-dir build-sanitize --output-on-failure -j"$jobs"

echo "== Fuzzing, about a minute for each harness"
scripts/fuzz.sh 60
