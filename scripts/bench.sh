#!/usr/bin/env bash
# Builds optimised and runs the benchmarks: the weekday reckoning against
# <chrono> with the whole request; start-up against a bare Qt window, on X11
# and on Wayland; the web page's first visit on a slow phone link against a
# bare page, and a request in WebAssembly against the native build; and the
# Windows program's size and its start-up under Wine against a bare window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh bench
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCALCULADOR_BENCHMARKS=ON >/dev/null
cmake --build build-bench -j"$(nproc)" --target weekday_bench bare_window calculador-fechas web_request_bench

echo "== Weekday reckoning and whole request"
# Repetitions in random order, so that a slow spell of a shared machine
# falls on both sides of the ratio alike.
build-bench/bench/weekday_bench --benchmark_repetitions=20 --benchmark_enable_random_interleaving=true \
    --benchmark_min_time=0.05 --benchmark_report_aggregates_only=true "$@"
echo "== Start-up"
/usr/bin/python3 bench/startup.py build-bench/form/qt/calculador-fechas build-bench/bench/bare_window 15
echo "== Start-up on Wayland"
/usr/bin/python3 bench/wayland_startup.py build-bench/form/qt/calculador-fechas build-bench/bench/bare_window 15

echo "== The web page"
emcmake cmake -S . -B build-bench-web -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCALCULADOR_BENCHMARKS=ON >/dev/null
cmake --build build-bench-web -j"$(nproc)" --target web web_request_bench
/usr/bin/python3 bench/web_startup.py build-bench-web/web 9
native=$(build-bench/bench/web_request_bench)
wasm=$(node build-bench-web/bench/web_request_bench.js)
echo "Una petición por la interfaz de la página: nativa, $native; en WebAssembly (Node.js), $wasm"
awk -v a="${wasm%% *}" -v b="${native%% *}" 'BEGIN { printf "razón WebAssembly / nativa: %.2f\n", a / b }'

echo "== The Windows program under Wine"
source scripts/lib/wine-session.sh
scripts/install-deps.sh windows
cmake -S . -B build-bench-windows --toolchain cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
  -DCALCULADOR_BENCHMARKS=ON >/dev/null
cmake --build build-bench-windows -j"$(nproc)" --target calculador-fechas bare_window_win32
echo "calculador-fechas.exe: $(stat -c %s build-bench-windows/form/win32/calculador-fechas.exe) bytes"
trap end_wine_session EXIT
start_wine_session build-bench-windows
/usr/bin/python3 bench/startup.py --wine "$wine" build-bench-windows/form/win32/calculador-fechas.exe \
  build-bench-windows/bench/bare_window_win32.exe 15
