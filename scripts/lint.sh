#!/usr/bin/env bash
# Static checks over the project's own code: formatting, clang-tidy and
# cppcheck. Needs a configured build in the folder given (default build/),
# for its compile_commands.json.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/source-tree.sh
build=${1:-build}
mapfile -d '' sources < <(source_files . | grep -z '\.[ch]pp$')

echo "== clang-format"
clang-format --dry-run --Werror "${sources[@]}"

echo "== clang-tidy"
# Only the project's own files, wherever the project lies: its folder taken
# literally in the pattern.
here=$(pwd | sed 's/[][\.^$*+?(){}|]/\\&/g')
run-clang-tidy -p "$build" -quiet "$here/(runtime|calc|form|tests|bench|fuzz)/" >"$build/clang-tidy.log" 2>&1 ||
  { sed 's/\x1b\[[0-9;]*m//g' "$build/clang-tidy.log" | grep -E -A3 "(warning|error):"; exit 1; }

echo "== cppcheck"
# Newer cppcheck notes, as an error, that it stopped following branches in a
# long function: a remark on its own effort, not on the code.
cppcheck --project="$build/compile_commands.json" --library=qt --library=googletest \
  --enable=warning,performance,portability --inline-suppr --error-exitcode=1 -q \
  --suppress=missingIncludeSystem --suppress=normalCheckLevelMaxBranches --suppress='*:/usr/*' --suppress='*:*_autogen/*'
echo "Static checks clean."
