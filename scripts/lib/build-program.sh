#!/usr/bin/env bash
# What running and installing the program both begin with: the packages it
# needs, then the program and its documents built optimised in build/,
# without the tests.
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/install-deps.sh run
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCALCULADOR_BENCHMARKS=OFF >/dev/null
cmake --build build --target calculador-fechas package_documents -j"$(nproc)"
