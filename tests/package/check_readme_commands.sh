#!/usr/bin/env bash
# Runs the README's commands for users, read from the README itself, in the
# order written, on a copy of the source tree, installing into a throwaway
# prefix: the program must then be in the menu with its manual page, and
# removing it must leave nothing. Two commands are not run here: run.sh
# opens the window and waits for it to close (CI opens it in brand-new
# roots), and removing the build packages would remove these tests' tools.
# usage: check_readme_commands.sh SOURCE_DIR
set -euo pipefail
source_dir=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "README commands: $*" >&2; exit 1; }

# The user's commands: the lines of the ```sh blocks of the README's
# Linux section, which ends at the next section.
mapfile -t commands < <(sed -n "/^## En Linux/,/^## /p" "$source_dir/README.md" |
  awk '/^```sh$/ { inside = 1; next } /^```$/ { inside = 0 } inside && NF')
((${#commands[@]} >= 3)) || fail "found only: ${commands[*]}"

git -C "$source_dir" ls-files -z --cached --others --exclude-standard | (cd "$source_dir" && xargs -0 cp --parents -t "$scratch" 2>/dev/null) ||
  cp -r "$source_dir/." "$scratch"  # a tree that is not a checkout
mkdir "$scratch/prefix"
export CALCULADOR_PREFIX=$scratch/prefix
app=org.calculadorfechas.CalculadorDeFechas
for command in "${commands[@]}"; do
  case $command in
    *scripts/run.sh* | apt-get\ remove*) echo "(not run here) $command"; continue ;;
  esac
  echo "\$ $command"
  (cd "$scratch" && bash -c "$command") || fail "failed: $command"
  case $command in
    *scripts/install.sh*)
      [[ -x $CALCULADOR_PREFIX/bin/calculador-fechas ]] || fail "no program after $command"
      desktop-file-validate "$CALCULADOR_PREFIX/share/applications/$app.desktop" || fail "no valid menu entry"
      LC_ALL=C.UTF-8 man -M "$CALCULADOR_PREFIX/share/man" calculador-fechas 2>/dev/null | grep -q "semana" ||
        fail "man calculador-fechas shows nothing"
      ;;
    *scripts/uninstall.sh*)
      left=$(find "$CALCULADOR_PREFIX" -mindepth 1)
      [[ -z $left ]] || fail "left behind: $left"
      ;;
  esac
done
echo "README commands: all ran as written."
