#!/usr/bin/env bash
# The release as a Debian user gets it. A release of the committed HEAD,
# made from the programs release_once.sh built in MADE and signed with a
# throwaway key, is served from 127.0.0.1 by a web server
# started here, at the address the release was made for. Its Windows files
# pass under Wine (check_windows_delivery.sh). In a brand-new
# Debian root of each suite, the download page's own lines (read from
# index.html) add the repository and install the program: its window shows
# and its manual page reads. In the first root, a second release, 1.0.1.0,
# made into the same repository, comes with apt-get upgrade; apt refuses a
# package with one byte changed, installing nothing, and a repository signed
# with another key. Last, the download page's link to the web page opens a
# page that calculates, and the download page passes in Chromium
# (check_download_page.py); where axe-core cannot be had from the npm
# registry, the test says so and exits 77, all else checked. Needs root, the
# Debian mirror and the npm registry, Xvfb and xdotool.
# usage: check_delivery.sh SOURCE_DIR MADE [SUITE...]     (bookworm trixie unless named)
set -euo pipefail
source_dir=$(readlink -f "$1") made=$(readlink -f "$2")
shift 2
(($#)) || set -- bookworm trixie
source "$source_dir/scripts/lib/fresh-root.sh"
source "$source_dir/scripts/lib/source-tree.sh"
source "$source_dir/tests/support/throwaway_keys.sh"
source "$source_dir/tests/support/release_in.sh"
work=$(mktemp -d /tmp/delivery-check.XXXXXX)
server=""
finish() {
  [[ -n $server ]] && kill "$server" 2>/dev/null
  leave_root
  rm -rf "$work"
}
trap finish EXIT
trap 'exit 130' INT TERM  # so that the root is left even then
fail() { echo "delivery: $*" >&2; exit 1; }

mkdir "$work/keys" "$work/other-key"
throwaway_openpgp_key "$work/keys"
throwaway_openpgp_key "$work/other-key"
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
address=http://127.0.0.1:$port/
clone=$work/calculador-fechas
copy_source "$source_dir" "$clone"
dist=$work/dist
release() {  # [VARIABLE=VALUE...]
  release_in "$clone" "$work/release.log" CALCULADOR_OPENPGP_KEY="$work/keys/secret.asc" \
    CALCULADOR_OPENPGP_PASSPHRASE_FILE="$work/keys/passphrase" CALCULADOR_DOWNLOAD_URL="$address" \
    CALCULADOR_DIST="$dist" "$@" || fail "scripts/release.sh"
}
release CALCULADOR_BUILT="$made/uno/calculador-fechas/dist"

# dist/ as published, from this machine only, for an hour at the most.
timeout 3600 python3 -m http.server --bind 127.0.0.1 --directory "$dist" "$port" >/dev/null 2>&1 &
server=$!
for _ in $(seq 100); do python3 -c "import urllib.request; urllib.request.urlopen('$address')" 2>/dev/null && break; sleep 0.2; done
python3 -c "import urllib.request; urllib.request.urlopen('$address')" || fail "the web server did not answer within 20 s"

echo "== the Windows files under Wine"
status=0
"$source_dir/tests/package/check_windows_delivery.sh" "$dist" "$clone" || status=$?
case $status in
  0) ;;
  77) echo "(this distribution has no Wine: the Windows files are checked where it has)" ;;
  *) fail "the Windows files" ;;
esac

# The page's lines for Debian, as a reader copies them.
mapfile -t lines < <(python3 - "$dist/index.html" <<'EOF'
import html.parser, sys
class Lines(html.parser.HTMLParser):
    inside, text = False, ""
    def handle_starttag(self, tag, attrs):
        self.inside |= ("id", "ordenes-debian") in attrs
    def handle_endtag(self, tag):
        self.inside &= tag != "code"
    def handle_data(self, data):
        self.text += data if self.inside else ""
page = Lines()
page.feed(open(sys.argv[1], encoding="utf-8").read())
print(page.text.strip())
EOF
)
((${#lines[@]} >= 3)) || fail "the page gives no lines for Debian: ${lines[*]}"
installed_version() { in_root "dpkg-query -W -f='\${db:Status-Status} \${Version}' calculador-fechas 2>/dev/null" || true; }

first=$1 latest=1.0.0.0
for suite in "$@"; do
  echo "== Debian $suite: the page's lines"
  make_root "$suite"
  # A desktop Debian has a downloader and reads manual pages; a minimal one has neither.
  in_root "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends wget man-db" \
    >/dev/null
  for line in "${lines[@]}"; do
    echo "\$ $line"
    in_root "yes | DEBIAN_FRONTEND=noninteractive ${line#sudo }" >"$work/line.log" 2>&1 ||
      { cat "$work/line.log"; fail "on Debian $suite: $line"; }
  done
  [[ $(installed_version) == "installed $latest" ]] || fail "on Debian $suite: installed: $(installed_version)"
  show_root_on_x || fail "no X server"
  window_shows calculador-fechas || fail "on Debian $suite: the installed program showed no window"
  in_root "man calculador-fechas" | grep -q semana || fail "on Debian $suite: man calculador-fechas shows nothing"
  echo "installed from the repository; the window shows; the manual reads"

  if [[ $suite == "$first" ]]; then
    echo "== a second release, 1.0.1.0, into the same repository"
    sed -i 's/^project(calculador-fechas VERSION [0-9.]*/project(calculador-fechas VERSION 1.0.1.0/' "$clone/CMakeLists.txt"
    if git -C "$clone" rev-parse --git-dir >/dev/null 2>&1; then
      git -C "$clone" -c user.name=Prueba -c user.email=prueba@calculador-fechas.invalid commit -qam "Versión 1.0.1.0"
    fi
    release
    latest=1.0.1.0
    in_root "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get upgrade -y -qq" >"$work/upgrade.log" 2>&1 ||
      { cat "$work/upgrade.log"; fail "apt-get upgrade"; }
    [[ $(installed_version) == "installed 1.0.1.0" ]] || fail "after the upgrade: $(installed_version)"
    echo "upgraded to 1.0.1.0"

    echo "== a package changed by one byte"
    in_root "DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq calculador-fechas && apt-get clean" >/dev/null
    package=$dist/apt/pool/main/calculador-fechas_1.0.1.0_amd64.deb
    cp "$package" "$work/package.deb"
    printf '\x01' | dd of="$package" bs=1 seek=2000 conv=notrunc status=none
    ! in_root "DEBIAN_FRONTEND=noninteractive apt-get install -y calculador-fechas" >"$work/install.log" 2>&1 ||
      fail "apt installed a package with a byte changed"
    grep -qi 'hash sum mismatch\|hashes do not match' "$work/install.log" || { cat "$work/install.log"; fail "no hash mismatch said"; }
    [[ $(installed_version) != installed* ]] || fail "a changed package left installed: $(installed_version)"
    cp "$work/package.deb" "$package"
    echo "refused, nothing installed"

    echo "== the repository signed with another key"
    cp "$dist"/apt/dists/stable/{InRelease,Release.gpg} "$work/"
    other=$(mktemp -d)
    gpg --homedir "$other" --batch --quiet --pinentry-mode loopback --passphrase-file "$work/other-key/passphrase" \
      --import "$work/other-key/secret.asc"
    for kind in "--clearsign -o InRelease" "--armor --detach-sign -o Release.gpg"; do
      # shellcheck disable=SC2086
      (cd "$dist/apt/dists/stable" && rm -f ${kind##* } &&
        gpg --homedir "$other" --batch --quiet --pinentry-mode loopback --passphrase-file "$work/other-key/passphrase" \
          $kind Release)
    done
    gpgconf --homedir "$other" --kill all 2>/dev/null || true
    rm -rf "$other"
    # Nothing known of the repository before, so that only what apt accepts now counts.
    in_root "rm -f /var/lib/apt/lists/127.0.0.1*"
    in_root "apt-get update" >"$work/update.log" 2>&1 || true
    grep -q 'NO_PUBKEY\|not signed\|signatures were invalid\|couldn.t be verified' "$work/update.log" ||
      { cat "$work/update.log"; fail "apt-get update did not say the signature is not the key's"; }
    ! in_root "DEBIAN_FRONTEND=noninteractive apt-get install -y calculador-fechas" >"$work/install.log" 2>&1 ||
      fail "apt installed from a repository signed with another key"
    [[ $(installed_version) != installed* ]] || fail "installed from a repository signed with another key"
    cp "$work"/{InRelease,Release.gpg} "$dist/apt/dists/stable/"
    echo "refused"
  fi
  leave_root
done
echo "== the download page in a browser"
"$source_dir/scripts/install-deps.sh" page >/dev/null
/usr/bin/python3 "$source_dir/tests/web/page_e2e.py" "$dist/web" desde "$address" || fail "the web page from the download page"
"$source_dir/tests/web/axe_core.sh" "$work/node" ||
  { echo "delivery: everything but the download page's accessibility checked"; exit 77; }
/usr/bin/python3 "$source_dir/tests/package/check_download_page.py" "$dist" "$address" \
  "$work/node/node_modules/axe-core/axe.min.js" || fail "the download page"
echo "delivery: installed from the page's lines on Debian $*, upgraded, both refusals seen, the page passes and its web page calculates."
