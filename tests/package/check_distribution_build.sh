#!/usr/bin/env bash
# Builds and tests a copy of the source as a distribution's package build
# does: Debian's flags from dpkg-buildflags, CMake's own switches only
# (BUILD_TESTING on, no system tests asked for, warnings not fatal), and then
# plain ctest, all as user nobody, with no network, no display and no home of
# its own. Every test ctest finds must pass; it must find tests, and none of
# the system tier. Needs root, to become nobody and to cut the network.
# usage: check_distribution_build.sh SOURCE_DIR
set -euo pipefail
source_dir=$(readlink -f "$1")
source "$source_dir/scripts/lib/source-tree.sh"
work=$(mktemp -d /tmp/distribution-build.XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "distribution build: $*" >&2; exit 1; }

mkdir "$work/source"
source_files "$source_dir" | (cd "$source_dir" && xargs -0 cp --parents -t "$work/source")
chown -R nobody:nogroup "$work"
# CMake does not read CPPFLAGS; Debian's helpers add them to the others.
flags=(CFLAGS="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
       CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
       LDFLAGS="$(dpkg-buildflags --get LDFLAGS)")
as_packager() {
  (cd "$work" && unshare -n setpriv --reuid=nobody --regid=nogroup --clear-groups -- \
    env -i PATH=/usr/bin:/bin HOME=/nonexistent LANG=C.UTF-8 "${flags[@]}" timeout 900 "$@")
}

as_packager cmake -S source -B build -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr >"$work/configure.log" 2>&1 ||
  { cat "$work/configure.log"; fail "cmake could not configure"; }
as_packager cmake --build build -j"$(nproc)" >"$work/build.log" 2>&1 || { tail -n 50 "$work/build.log"; fail "the build failed"; }
grep -q -- "$(dpkg-buildflags --get CPPFLAGS)" "$work/build/compile_commands.json" ||
  fail "Debian's flags did not reach the compiler"
as_packager ctest --test-dir build --output-on-failure -j"$(nproc)" >"$work/ctest.log" 2>&1 || true
tail -n 3 "$work/ctest.log"
grep -q '^100% tests passed, 0 tests failed out of [1-9]' "$work/ctest.log" || { cat "$work/ctest.log"; fail "plain ctest did not pass"; }
system=$(as_packager ctest --test-dir build -N -L system | sed -n 's/^Total Tests: //p')
[[ $system == 0 ]] || fail "plain ctest holds $system system tests"
echo "distribution build: plain ctest passed as nobody, offline, with Debian's flags."
