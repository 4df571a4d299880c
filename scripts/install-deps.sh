#!/usr/bin/env bash
# Installs the Debian packages the project needs, and only those missing, so
# that a second run costs a second. Names are Debian's unversioned ones, the
# same on Debian 12 and Debian 13. Wine is whichever of its two package names
# the distribution has; where it has neither, everything else is installed
# and the Windows tests say they could not run. What it installs is added to
# paquetes-instalados.txt, so that it can be removed again.
#   scripts/install-deps.sh run         building and running the program
#   scripts/install-deps.sh display     a virtual X server, where there is no display
#   scripts/install-deps.sh package     making the Debian package
#   scripts/install-deps.sh screenshot  photographing the window
#   scripts/install-deps.sh cross       cross-building the Windows program and its installer
#   scripts/install-deps.sh sign        Authenticode-signing them
#   scripts/install-deps.sh windows     all that, and testing them under Wine
#   scripts/install-deps.sh release     making a release
#   scripts/install-deps.sh page        checking its download page in a browser
#   scripts/install-deps.sh web         building the web page and serving it here
#   scripts/install-deps.sh bench       the benchmarks (the Windows one adds its own)
#   scripts/install-deps.sh test        everything every test needs
# Several words may be given at once.
set -euo pipefail

run=(cmake make g++ qt6-base-dev qt6-translations-l10n qt6-wayland fonts-dejavu-core)
display=(xvfb xauth)
package=(dpkg-dev file)
screenshot=("${display[@]}" xdotool imagemagick)
cross=(cmake make g++-mingw-w64-x86-64-posix wixl python3 python3-gi gir1.2-libmsi-1.0)
sign=(osslsigncode)
windows=("${cross[@]}" "${sign[@]}" googletest wine openssl xvfb xdotool imagemagick)
release=(mmdebstrap git gnupg apt-utils zip python3 "${sign[@]}")
page=(chromium chromium-driver python3-selenium npm ca-certificates)
web=(cmake make g++ emscripten nodejs python3)
bench=("${run[@]}" "${display[@]}" "${web[@]}" libbenchmark-dev dbus at-spi2-core sway
       chromium chromium-driver python3-selenium)
test=(
  "${run[@]}" "${package[@]}" "${windows[@]}" "${release[@]}" "${web[@]}"
  "${page[@]}"                                               # the web page, used as people use it
  googletest libgtest-dev libbenchmark-dev                   # unit tests and benchmarks
  xvfb xdotool x11-utils                                     # the real window, typed into
  dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0 python3-gi  # what a screen reader reads
  orca speech-dispatcher speech-dispatcher-espeak-ng         # and what it speaks
  sway wtype grim                                            # a Wayland desktop, typed into and photographed
  clang libclang-rt-dev llvm                                 # fuzzing; sanitiser reports named
  git clang-format clang-tidy cppcheck                       # static checks
  desktop-file-utils appstream lintian mmdebstrap man-db     # the package, and installing it on a new Debian
  unzip                                                      # the release as its users get it
)

(($#)) || set -- run
wanted=()
for group in "$@"; do
  case "$group" in
    run | display | package | screenshot | cross | sign | windows | release | page | web | bench | test) declare -n list=$group; wanted+=("${list[@]}") ;;
    *) echo "uso: $0 run|display|package|screenshot|cross|sign|windows|release|page|web|bench|test…" >&2; exit 2 ;;
  esac
done

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }
offered() { [[ $(apt-cache policy "$1" 2>/dev/null) =~ Candidate:\ [^\(] ]]; }

missing=()
for name in "${wanted[@]}"; do
  if [[ $name == wine ]]; then
    installed wine64 || installed wine || missing+=(wine)  # resolved below
  elif [[ $name == npm ]]; then
    command -v npm >/dev/null || missing+=(npm)  # a machine may have its own Node.js, which Debian's npm would fight
  else
    installed "$name" || missing+=("$name")
  fi
done
((${#missing[@]})) || exit 0
if [[ $(id -u) != 0 ]]; then
  echo "Faltan paquetes de Debian (${missing[*]}) y solo root puede instalarlos:" >&2
  echo "dé la orden con sudo delante, o entre antes como root con su (sin guion)." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -q
mapfile -t missing < <(printf '%s\n' "${missing[@]}" | sort -u)
if [[ " ${missing[*]} " == *" wine "* ]]; then
  # wine64 holds the 64-bit loader on Debian 12 and 13; newer packaging puts
  # it in wine.
  mapfile -t missing < <(printf '%s\n' "${missing[@]}" | grep -vx wine)
  if offered wine64; then missing+=(wine64)
  elif offered wine; then missing+=(wine)
  else echo "Wine: esta distribución no tiene ni wine64 ni wine; las pruebas de Windows no podrán correr." >&2
  fi
fi
if ((${#missing[@]})); then
  echo "Instalando lo que falta (${#missing[@]} paquetes): ${missing[*]}"
  apt-get install -y -q --no-install-recommends "${missing[@]}"
  printf '%s\n' "${missing[@]}" >>"$(dirname "$0")/../paquetes-instalados.txt"
fi
