#!/usr/bin/env bash
# Installs the Debian package with apt, without recommended packages, into a
# brand-new minimal root of this machine's Debian release, as a user would;
# starts the program there on a virtual display and waits for its window;
# then removes the package and finds none of its files left. Needs root.
#   install_debian_package.sh DIR    the folder holding the one package
set -euo pipefail
deb=$(readlink -f "$1"/*.deb)
name=$(basename "$deb")
source "$(dirname "$(readlink -f "$0")")/../../scripts/lib/fresh-root.sh"
trap leave_root EXIT
trap 'exit 130' INT TERM  # so that the root is left even then
fail() { echo "FAIL: $*"; exit 1; }

make_root "$(. /etc/os-release && echo "$VERSION_CODENAME")"
cp "$deb" "$root/tmp/"
in_root "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends /tmp/$name" ||
  fail "apt-get install"
mapfile -t files < <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {sub(/^\./, "", $6); print $6}')
for file in "${files[@]}"; do [[ -e $root$file ]] || fail "$file is not installed"; done

# The X server runs out here; the root sees its socket, and nothing of X
# but what the package itself brought in.
show_root_on_x || fail "no X server"
# Its window shows, and Esc ends it, as for the user.
window_shows "exec calculador-fechas" 60 || fail "the installed program's window"

in_root "DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq calculador-fechas" || fail "apt-get remove"
for file in "${files[@]}" /usr/share/doc/calculador-fechas; do [[ ! -e $root$file ]] || fail "$file is left behind"; done
echo "$name installs on a new Debian $(cat "$root/etc/debian_version"), opens its window and removes cleanly."
