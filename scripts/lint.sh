#!/usr/bin/env bash
# Static checks over the project's own code: formatting, clang-tidy and
# cppcheck. Needs configured builds, for their compile_commands.json: the
# native one (default build/), and, where given, the Windows and the web
# builds, in which alone form/win32, tests/win32, form/web and tests/web are
# compiled.
#   scripts/lint.sh [BUILD [WINDOWS_BUILD [WEB_BUILD]]]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/source-tree.sh
build=${1:-build} windows_build=${2:-} web_build=${3:-}
mapfile -d '' sources < <(source_files . | grep -z '\.[ch]pp$')

echo "== clang-format"
clang-format --dry-run --Werror "${sources[@]}"

# clang-tidy over the files of one build, in the folders named by the
# pattern; any finding fails, and is shown.
here=$(pwd | sed 's/[][\.^$*+?(){}|]/\\&/g')
tidy() {
  local build=$1 folders=$2
  shift 2
  run-clang-tidy -p "$build" -quiet "$@" "$here/($folders)/" >"$build/clang-tidy.log" 2>&1 ||
    { sed 's/\x1b\[[0-9;]*m//g' "$build/clang-tidy.log" | grep -E -A3 "(warning|error):"; exit 1; }
  # A configuration clang-tidy cannot read is no reason for it to fail: it
  # checks with its defaults instead, and says so only in passing.
  ! grep -B2 -A2 "Error parsing" "$build/clang-tidy.log" || exit 1
}

echo "== clang-tidy"
tidy "$build" 'runtime|calc|form|tests|bench|fuzz'
if [[ -n $windows_build ]]; then
  # clang reads the Windows build's sources as MinGW-w64's g++ does, with
  # its C++ and Windows headers, and its own intrinsics in place of GCC's.
  mingw=(-extra-arg=--target=x86_64-w64-mingw32 -extra-arg=-nostdinc++)
  while read -r folder; do mingw+=("-extra-arg=-isystem$folder"); done < <(
    x86_64-w64-mingw32-g++-posix -E -v -x c++ /dev/null 2>&1 | sed -n '/^#include <...>/,/^End/s/^ //p' |
      grep '/c++')
  mingw+=(-extra-arg=-isystem/usr/x86_64-w64-mingw32/include)
  tidy "$windows_build" 'form/win32|tests/win32' "${mingw[@]}"
fi
[[ -z $web_build ]] || tidy "$web_build" 'form/web|tests/web'

echo "== cppcheck"
# Newer cppcheck notes, as an error, that it stopped following branches in a
# long function: a remark on its own effort, not on the code.
cppcheck --project="$build/compile_commands.json" --library=qt --library=googletest \
  --enable=warning,performance,portability --inline-suppr --error-exitcode=1 -q \
  --suppress=missingIncludeSystem --suppress=normalCheckLevelMaxBranches --suppress='*:/usr/*' --suppress='*:*_autogen/*'
echo "Static checks clean."
