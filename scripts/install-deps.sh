#!/usr/bin/env bash
# Installs the Debian packages the project needs, and only those missing, so
# that a second run costs a second. Names are Debian's unversioned ones, the
# same on Debian 12 and Debian 13.
#   scripts/install-deps.sh run         building and running the program
#   scripts/install-deps.sh display     a virtual X server, where there is no display
#   scripts/install-deps.sh package     making the Debian package
#   scripts/install-deps.sh screenshot  photographing the window
#   scripts/install-deps.sh windows     cross-building the Windows program and testing it under Wine
#   scripts/install-deps.sh test        everything every test needs
# Several words may be given at once.
set -euo pipefail

run=(cmake make g++ qt6-base-dev qt6-translations-l10n fonts-dejavu-core)
display=(xvfb xauth)
package=(dpkg-dev file)
screenshot=("${display[@]}" xdotool imagemagick)
windows=(cmake make g++-mingw-w64-x86-64-posix googletest wine64 xvfb xdotool python3)
test=(
  "${run[@]}" "${package[@]}" "${windows[@]}"
  googletest libgtest-dev libbenchmark-dev                   # unit tests and benchmarks
  xvfb xdotool x11-utils                                     # the real window, typed into
  dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0 python3-gi  # what a screen reader reads
  orca speech-dispatcher speech-dispatcher-espeak-ng         # and what it speaks
  clang libclang-rt-dev                                      # fuzzing
  git clang-format clang-tidy cppcheck                       # static checks
  desktop-file-utils appstream lintian mmdebstrap            # the package, and installing it on a new Debian
)

(($#)) || set -- run
wanted=()
for group in "$@"; do
  case "$group" in
    run | display | package | screenshot | windows | test) declare -n list=$group; wanted+=("${list[@]}") ;;
    *) echo "usage: $0 run|display|package|screenshot|windows|test..." >&2; exit 2 ;;
  esac
done

missing=()
for name in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q "ok installed" || missing+=("$name")
done
if ((${#missing[@]})); then
  mapfile -t missing < <(printf '%s\n' "${missing[@]}" | sort -u)
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
