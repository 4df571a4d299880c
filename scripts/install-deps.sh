#!/usr/bin/env bash
# Installs the Debian packages the project needs, and only when one is
# missing, so that a second run costs a second.
#   scripts/install-deps.sh run    what building and running the program needs
#   scripts/install-deps.sh test   that, and what every test needs
# Further package names after the word are wanted as well.
set -euo pipefail

run_packages=(cmake make g++ qt6-base-dev qt6-qpa-plugins fonts-dejavu-core)
test_packages=(
  googletest libgtest-dev libbenchmark-dev       # unit tests and benchmarks
  xvfb xdotool x11-utils imagemagick             # the real window, typed into and photographed
  dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0 python3-gi  # what a screen reader reads
  clang libclang-rt-14-dev clang-tidy cppcheck   # fuzzing and static analysis
  desktop-file-utils appstream dpkg-dev file binutils-mingw-w64-x86-64  # install and package checks
)

case "${1:-run}" in
  run) wanted=("${run_packages[@]}") ;;
  test) wanted=("${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 run|test [package...]" >&2; exit 2 ;;
esac
wanted+=("${@:2}")

missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
