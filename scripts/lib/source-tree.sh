# Sourced, not run: the project's own files, in a git checkout or in a
# release's source unpacked without git.
#   source_files DIR    their names relative to DIR, each ended by a NUL
#   source_date DIR     the time of the source in seconds since 1970: the
#                       commit's, or without git the newest file's (a release's
#                       source carries its commit's time on every file)
#   source_version DIR  the version written in project() of its CMakeLists.txt
#   copy_source DIR TO  a copy to work on: a clone of the committed HEAD, or
#                       without git the files with their times

# What a build or a release leaves beside the source; .gitignore says the same.
not_source=(-path './build*' -o -path ./dist -o -path ./out -o -name __pycache__ -o -path ./paquetes-instalados.txt -o -name .git)

source_files() {
  if git -C "$1" rev-parse --git-dir >/dev/null 2>&1; then
    git -C "$1" ls-files -z --cached --others --exclude-standard
  else
    (cd "$1" && find . \( "${not_source[@]}" \) -prune -o -type f -printf '%P\0')
  fi
}

source_version() {
  sed -n 's/^project(calculador-fechas VERSION \([0-9.]*\) .*/\1/p' "$1/CMakeLists.txt"
}

copy_source() {
  if git -C "$1" rev-parse --git-dir >/dev/null 2>&1; then
    git clone -q "$1" "$2"
  else
    mkdir -p "$2"
    source_files "$1" | (cd "$1" && tar --null -T - -c) | tar -x -C "$2"
  fi
}

source_date() {
  if git -C "$1" rev-parse --git-dir >/dev/null 2>&1; then
    git -C "$1" log -1 --format=%ct
  else
    (cd "$1" && find . \( "${not_source[@]}" \) -prune -o -type f -printf '%T@\n' | sort -n | tail -n1 | cut -d. -f1)
  fi
}
