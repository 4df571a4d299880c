#!/usr/bin/env bash
# Builds optimised and runs both benchmarks: the weekday reckoning against
# <chrono> with the whole request, then start-up against a bare Qt window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh test
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DCALCULADOR_TESTS=ON -DCALCULADOR_BENCHMARKS=ON >/dev/null
cmake --build build -j"$(nproc)" --target weekday_bench bare_window calculador-fechas

echo "== Weekday reckoning and whole request"
# Repetitions in random order, so that a slow spell of a shared machine
# falls on both sides of the ratio alike.
build/bench/weekday_bench --benchmark_repetitions=20 --benchmark_enable_random_interleaving=true \
    --benchmark_min_time=0.05 --benchmark_report_aggregates_only=true "$@"
echo "== Start-up"
/usr/bin/python3 bench/startup.py build/form/calculador-fechas build/bench/bare_window 15
