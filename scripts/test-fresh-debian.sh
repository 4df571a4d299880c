#!/usr/bin/env bash
# Runs the README's test command, scripts/test.sh, in brand-new minimal Debian
# roots (Debian 13, then Debian 12, unless suites are named), each made at the
# start with mmdebstrap and holding a clone of the committed HEAD: what a
# newcomer's freshly installed machine has, so that a package missing from
# scripts/install-deps.sh fails here instead of hiding behind this machine's.
#   scripts/test-fresh-debian.sh [SUITE...]     as root; e.g. trixie bookworm
set -euo pipefail
cd "$(dirname "$0")/.."
(($#)) || set -- trixie bookworm
[[ $(id -u) == 0 ]] || { echo "$0: needs root, to make and enter the roots" >&2; exit 2; }

if ! command -v mmdebstrap >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get update -q >/dev/null
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends mmdebstrap >/dev/null
fi

# This machine's Debian mirror, and the apt settings it added itself (how it
# reaches the registry); those a package owns the root brings its own copy of.
mirror=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -m1 /debian$ ||
  sed -n 's/^deb \([^ ]*\/debian\) .*/\1/p' /etc/apt/sources.list 2>/dev/null | head -n1)
apt_conf=$(mktemp -d)
for f in /etc/apt/apt.conf.d/*; do
  [[ -f $f ]] && ! dpkg -S "$f" >/dev/null 2>&1 && cp -a "$f" "$apt_conf/"
done

root="" mounted=()
leave_root() {
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[$i]}" 2>/dev/null || true; done
  mounted=()
  # Never delete while anything is still mounted inside the root.
  if [[ -n $root ]] && ! grep -q " $root/" /proc/mounts; then rm -rf --one-file-system "$root"; fi
  root=""
}
trap 'leave_root; rm -rf "$apt_conf"' EXIT

# Makes a minimal root of the suite, with /proc, /sys and /dev in place.
make_root() {
  root=$(mktemp -d /tmp/fresh-"$1".XXXXXX)
  mmdebstrap --quiet --variant=minbase --arch=amd64 \
    --setup-hook="mkdir -p \"\$1/etc/apt/apt.conf.d\" && cp -a $apt_conf/. \"\$1/etc/apt/apt.conf.d/\"" \
    "$1" "$root" "deb $mirror $1 main"
  printf '127.0.0.1 localhost\n::1 localhost ip6-localhost ip6-loopback\n' >"$root/etc/hosts"
  for m in proc sys dev dev/pts; do mount --bind "/$m" "$root/$m" && mounted+=("$root/$m"); done
  mount -t tmpfs tmpfs "$root/dev/shm" && mounted+=("$root/dev/shm")
}

# Runs a command as root in the root's clone of the project, with a bare
# environment and no display.
in_root() {
  chroot "$root" /usr/bin/env -i HOME=/root USER=root LOGNAME=root SHELL=/bin/bash TERM=dumb LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin bash -c "cd /root/project && $1" </dev/null
}

total=0
for suite in "$@"; do
  start=$SECONDS
  echo "==== Debian $suite: a brand-new minimal root, commit $(git rev-parse --short HEAD)"
  make_root "$suite"
  git clone -q . "$root/root/project"
  in_root "bash scripts/test.sh" 2>&1 | tee "/tmp/fresh-$suite.log"
  passed=$(sed -n 's/^tests: \([0-9]*\) passed, 0 failed$/\1/p' "/tmp/fresh-$suite.log" | tail -n1)
  leave_root
  echo "==== Debian $suite: ${passed} tests passed in $((SECONDS - start)) s"
  total=$((total + passed))
done
echo "tests: $total passed, 0 failed"
