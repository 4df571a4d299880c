# Sourced, not run: a virtual X server for whatever needs a screen, started
# as the end-to-end tests start theirs.
#   start_virtual_display SIZE   an Xvfb of SIZE (e.g. 1024x768) on a free display:
#                                sets $display (its number) and $x_server (its process)
#   stop_virtual_display         ends it

display="" x_server=""

start_virtual_display() {
  local started
  started=$(python3 "$(dirname "${BASH_SOURCE[0]}")/../../tests/support/virtual_display.py" "$1") || return 1
  read -r display x_server <<<"$started"
}

stop_virtual_display() {
  [[ -n $x_server ]] && kill "$x_server" 2>/dev/null
  x_server=""
  return 0
}
