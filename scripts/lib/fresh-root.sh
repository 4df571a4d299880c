# Sourced, not run: makes brand-new minimal Debian roots, as a newcomer's
# freshly installed machine would be, and runs commands inside them. Needs
# root. The caller sets `trap leave_root EXIT` (or calls it itself).
#   make_root SUITE     a minbase root of the suite in $root, /proc, /sys and /dev in place
#   in_root COMMAND     runs COMMAND there as root, bare environment, no display
#   show_root_on_x      an X server out here, its socket seen in the root: sets $display
#   window_shows COMMAND [SECONDS]  runs COMMAND in the root on that server; its
#                       window must show within SECONDS (600) and the program end on Esc
#   leave_root          stops that server, unmounts and deletes the root
# The packages a root downloads are kept for the next root of its suite,
# which then finds them in its own apt's cache instead of downloading them
# again, as do the roots made inside it; it still installs only what it asks
# for. The minimal root itself is kept too, as a tar file named for what
# alone decides it: the suite's index at the mirror, the apt settings it
# is made with and mmdebstrap's version. While those are unchanged, the
# next root is unpacked from it in a second, the very root mmdebstrap would
# make again in half a minute. A root lives in memory where there is room
# for it (CALCULADOR_ROOT_IN_MEMORY=no keeps it on disk): dpkg makes one
# there in two thirds of the time.

source "$(dirname "${BASH_SOURCE[0]}")/virtual-display.sh"
root="" root_suite="" mounted=()
package_cache=${CALCULADOR_PACKAGE_CACHE:-/var/cache/calculador-fechas/paquetes}

if ! command -v mmdebstrap >/dev/null; then
  DEBIAN_FRONTEND=noninteractive apt-get update -q >/dev/null
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends mmdebstrap >/dev/null
fi

# This machine's Debian mirror, whichever form its sources are written in.
debian_mirror() {
  { sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/*.sources 2>/dev/null
    sed -n 's/^deb \(\[[^]]*\] \)\{0,1\}\([^ ]*\) .*/\2/p' /etc/apt/sources.list 2>/dev/null; } |
    grep -m1 '/debian/\{0,1\}$'
}

# What decides a minimal root of SUITE made with the apt settings in CONF:
# a short hash, or nothing where the mirror cannot be asked.
minbase_key() {  # SUITE CONF
  local index
  index=$(mktemp)
  /usr/lib/apt/apt-helper download-file "$(debian_mirror)/dists/$1/InRelease" "$index" >/dev/null 2>&1 ||
    { rm -f "$index"; return 1; }
  { cat "$index" "$2"/* 2>/dev/null; mmdebstrap --version; } | sha256sum | cut -c1-16
  rm -f "$index"
}

make_root() {
  local conf f gib key made
  root=$(mktemp -d /tmp/fresh-"$1".XXXXXX)
  # A root with every test's packages and builds held up to 6.8 GB, a release's
  # 2.9; 4 GB are left to the programs.
  gib=$(($(sed -n 's/^MemAvailable: *\([0-9]*\) kB$/\1/p' /proc/meminfo) / 1024 / 1024))
  if [[ ${CALCULADOR_ROOT_IN_MEMORY:-yes} == yes ]] && ((gib >= 12)); then
    mount -t tmpfs -o size=$((gib - 4))g,mode=755 tmpfs "$root" && mounted+=("$root")
  fi
  # Only the apt settings this machine added itself (how it reaches the
  # registry); the root brings its own copy of those a package owns.
  conf=$(mktemp -d)
  for f in /etc/apt/apt.conf.d/*; do
    [[ -f $f ]] && ! dpkg -S "$f" >/dev/null 2>&1 && cp -a "$f" "$conf/"
  done
  mkdir -p "$package_cache/$1"
  made=""
  if key=$(minbase_key "$1" "$conf"); then made=$package_cache/$1/minbase-$key.tar; fi
  if [[ -n $made && -f $made ]]; then
    tar -x --xattrs --xattrs-include='*' --numeric-owner -p -f "$made" -C "$root"
    touch "$made"
  else
    mmdebstrap --quiet --variant=minbase --arch=amd64 \
      --setup-hook="mkdir -p \"\$1/etc/apt/apt.conf.d\" && cp -a $conf/. \"\$1/etc/apt/apt.conf.d/\"" \
      "$1" "$root" "deb $(debian_mirror) $1 main"
    if [[ -n $made ]]; then
      # Another mmdebstrap's root of the suite may be in use (one inside a
      # root runs its own); one unused for a day is not.
      find "$package_cache/$1" -maxdepth 1 \( -name 'minbase-*.tar' -o -name '.minbase.*' \) -mmin +1440 -delete
      # Written whole before it takes its name, for roots made meanwhile.
      f=$(mktemp "$package_cache/$1/.minbase.XXXXXX")
      tar -c --xattrs --xattrs-include='*' --numeric-owner -f "$f" -C "$root" . && mv "$f" "$made"
    fi
  fi
  rm -rf "$conf"
  # And the certificates this machine trusts of its own, for what reaches
  # a registry over TLS; ca-certificates takes them in when it is installed.
  if compgen -G "/usr/local/share/ca-certificates/*.crt" >/dev/null; then
    mkdir -p "$root/usr/local/share/ca-certificates"
    cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/"
    [[ ! -x $root/usr/sbin/update-ca-certificates ]] || chroot "$root" update-ca-certificates >/dev/null
  fi
  printf '127.0.0.1 localhost\n::1 localhost ip6-localhost ip6-loopback\n' >"$root/etc/hosts"
  root_suite=$1
  cp -l -n "$package_cache/$1"/*.deb "$root/var/cache/apt/archives/" 2>/dev/null ||
    cp -n "$package_cache/$1"/*.deb "$root/var/cache/apt/archives/" 2>/dev/null || true
  for f in proc sys dev dev/pts; do mount --bind "/$f" "$root/$f" && mounted+=("$root/$f"); done
  # The roots made inside this one share the cache too.
  mkdir -p "$root/var/cache/calculador-fechas/paquetes"
  mount --bind "$package_cache" "$root/var/cache/calculador-fechas/paquetes" &&
    mounted+=("$root/var/cache/calculador-fechas/paquetes")
  mount -t tmpfs tmpfs "$root/dev/shm" && mounted+=("$root/dev/shm")
}

in_root() {
  chroot "$root" /usr/bin/env -i HOME=/root USER=root LOGNAME=root SHELL=/bin/bash TERM=dumb LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin bash -c "$1" </dev/null
}

# A user's screen for the root: the server runs out here, so that the root
# holds nothing of X but what its own packages bring.
show_root_on_x() {
  start_virtual_display 800x600 || return 1
  mkdir -p "$root/tmp/.X11-unix"
  mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix" && mounted+=("$root/tmp/.X11-unix")
}

window_shows() {
  local program window seconds=${2:-600}
  in_root "export DISPLAY=:$display && $1" &
  program=$!
  window=$(DISPLAY=:$display timeout "$seconds" xdotool search --sync --onlyvisible --name '^Calculador de fechas$' |
    head -n1) || { echo "no window within $seconds s of: $1" >&2; return 1; }
  DISPLAY=:$display timeout 20 xdotool windowfocus --sync "$window" key Escape ||
    { echo "the window took no focus within 20 s" >&2; return 1; }
  for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.2; done
  ! kill -0 "$program" 2>/dev/null || { echo "the program did not end within 20 s of Esc" >&2; return 1; }
  wait "$program" || { echo "the program ended with status $? on Esc" >&2; return 1; }
}

leave_root() {
  local i
  stop_virtual_display
  if [[ -n $root && -n $root_suite ]]; then
    cp -l -n "$root/var/cache/apt/archives"/*.deb "$package_cache/$root_suite/" 2>/dev/null ||
      cp -n "$root/var/cache/apt/archives"/*.deb "$package_cache/$root_suite/" 2>/dev/null || true
  fi
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[$i]}" 2>/dev/null || true; done
  mounted=()
  # Never delete while anything is still mounted inside the root.
  if [[ -n $root ]] && ! grep -q " $root/" /proc/mounts; then rm -rf --one-file-system "$root"; fi
  root=""
}
