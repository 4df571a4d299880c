#!/usr/bin/env bash
# Static checks over the project's own code: formatting, clang-tidy and
# cppcheck. Needs a configured build in the folder given (default build/),
# for its compile_commands.json.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
sources=$(git ls-files '*.cpp' '*.hpp')

echo "== clang-format"
# shellcheck disable=SC2086
clang-format --dry-run --Werror $sources

echo "== clang-tidy"
run-clang-tidy -p "$build" -quiet "$(pwd)/(runtime|calc|form|tests|bench|fuzz)/" >"$build/clang-tidy.log" 2>&1 ||
  { sed 's/\x1b\[[0-9;]*m//g' "$build/clang-tidy.log" | grep -E -A3 "(warning|error):"; exit 1; }

echo "== cppcheck"
cppcheck --project="$build/compile_commands.json" --library=qt --library=googletest \
  --enable=warning,performance,portability --inline-suppr --error-exitcode=1 -q \
  --suppress=missingIncludeSystem --suppress='*:/usr/*' --suppress='*:*_autogen/*'
echo "Static checks clean."
