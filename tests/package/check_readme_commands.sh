#!/usr/bin/env bash
# Runs the README's commands for users, read from the README itself, in the
# order written, as a user would on a brand-new minimal Debian of this
# machine's release, with the source tree copied in: run.sh must show the
# window, install.sh put the program in the menu with its manual page, and
# the removal commands leave nothing of it, nor the packages installed for
# it. Needs root and the network.
# usage: check_readme_commands.sh SOURCE_DIR
set -euo pipefail
source_dir=$(readlink -f "$1")
source "$source_dir/scripts/lib/fresh-root.sh"
source "$source_dir/scripts/lib/source-tree.sh"
trap leave_root EXIT
trap 'exit 130' INT TERM  # so that the root is left even then
fail() { echo "README commands: $*" >&2; exit 1; }

# The user's commands: the lines of the ```sh blocks of the README's
# Linux section, which ends at the next section.
mapfile -t commands < <(sed -n "/^## En Linux/,/^## /p" "$source_dir/README.md" |
  awk '/^```sh$/ { inside = 1; next } /^```$/ { inside = 0 } inside && NF')
((${#commands[@]} >= 4)) || fail "found only: ${commands[*]}"

make_root "$(. /etc/os-release && echo "$VERSION_CODENAME")"
project=/root/calculador-fechas
mkdir -p "$root$project"
source_files "$source_dir" | (cd "$source_dir" && xargs -0 cp --parents -t "$root$project")
# A desktop Debian reads manual pages; a minimal one has no reader.
in_root "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends man-db" >/dev/null

# The user's screen: an X server out here, its socket seen in the root.
show_root_on_x || fail "no X server"

installed_packages() { in_root "dpkg-query -W -f='\${db:Status-Status} \${Package}\n'" | sed -n 's/^installed //p' | sort; }
installed_before=$(installed_packages)
[[ $installed_before == *man-db* ]] || fail "cannot list the installed packages"
# As the README's reader types it: as root, in the project, on the screen.
type_in_root() { in_root "cd $project && export DISPLAY=:$display && yes | { $1; }"; }
app=$(basename "$source_dir"/form/desktop/*.desktop .desktop)  # the application id
for command in "${commands[@]}"; do
  echo "\$ $command"
  case $command in
    *scripts/run.sh*)
      window_shows "cd $project && yes | { $command; }" || fail "the window of: $command"
      ;;
    *)
      type_in_root "$command" || fail "failed: $command"
      ;;
  esac
  case $command in
    *scripts/install.sh*)
      [[ -x $root/usr/local/bin/calculador-fechas ]] || fail "no program after: $command"
      desktop-file-validate "$root/usr/local/share/applications/$app.desktop" || fail "no valid menu entry"
      in_root "man calculador-fechas" | grep -q "semana" || fail "man calculador-fechas shows nothing"
      ;;
    *scripts/uninstall.sh*)
      left=$(find "$root/usr/local" -newer "$root$project/README.md" -not -type d)
      [[ -z $left ]] || fail "left behind: $left"
      ;;
    apt-mark\ auto*)
      installed_now=$(installed_packages)
      gone=$(comm -23 <(echo "$installed_before") <(echo "$installed_now"))
      [[ -z $gone ]] || fail "removed what the system had before: $gone"
      # apt may keep some of what it installed, as the system's own choice
      # (libc6 recommends libidn2-0 on Debian 13); none of it may be left
      # installed by hand, which only the user could remove.
      new=$(comm -13 <(echo "$installed_before") <(echo "$installed_now"))
      by_hand=$(comm -12 <(echo "$new") <(in_root "apt-mark showmanual" | sort))
      [[ -z $by_hand ]] || fail "left behind, installed by hand: $by_hand"
      ;;
  esac
done
echo "README commands: all ran as written on a new Debian $(cat "$root/etc/debian_version")."
