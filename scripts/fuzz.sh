#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and fuzzes each for a bounded time (seconds,
# default 60), starting from the committed corpus. New inputs stay in the
# build folder; a crash stops the script with the input that caused it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCALCULADOR_FUZZ=ON \
  -DCALCULADOR_SANITIZE=ON -DBUILD_TESTING=OFF -DCALCULADOR_WINDOW=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)"

# Each harness fuzzes for the whole time; where there are cores enough,
# side by side.
fuzz() {
  local harness=$1 work=build-fuzz/corpus/$1
  mkdir -p "$work" build-fuzz/crashes
  build-fuzz/fuzz/${harness}_fuzz -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build-fuzz/crashes/ "$work" "fuzz/corpus/$harness" 2>build-fuzz/$harness.log ||
    { tail -n 40 build-fuzz/$harness.log; return 1; }
}
harnesses=(text_to_number request)
echo "== Fuzzing ${harnesses[*]}, $seconds s each"
if (($(nproc) >= ${#harnesses[@]})); then
  pids=()
  for harness in "${harnesses[@]}"; do fuzz "$harness" & pids+=($!); done
  failed=0
  for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
  ((failed == 0)) || exit 1
else
  for harness in "${harnesses[@]}"; do fuzz "$harness"; done
fi
total=0
for harness in "${harnesses[@]}"; do
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' build-fuzz/$harness.log)
  echo "$harness: $runs executions, corpus of $(ls "build-fuzz/corpus/$harness" | wc -l) inputs, nothing found"
  total=$((total + runs))
done
echo "Fuzzing: $total executions in all, nothing found."
