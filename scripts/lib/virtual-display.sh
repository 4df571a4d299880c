# Sourced, not run: a virtual X server for whatever needs a screen.
#   start_virtual_display SIZE   an Xvfb of SIZE (e.g. 1024x768) on a free display:
#                                sets $display (its number) and $x_server (its process)
#   stop_virtual_display         ends it

display="" x_server=""

start_virtual_display() {
  local display_file
  display_file=$(mktemp)
  # -noreset: else the server starts afresh whenever its last client leaves,
  # refusing a program that connects just then.
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$display_file" 2>/dev/null &
  x_server=$!
  for _ in $(seq 100); do [[ -s $display_file ]] && break; sleep 0.2; done
  display=$(<"$display_file")
  rm -f "$display_file"
  [[ -n $display ]] || { echo "Xvfb no arrancó en 20 s" >&2; return 1; }
}

stop_virtual_display() {
  [[ -n $x_server ]] && kill "$x_server" 2>/dev/null
  x_server=""
  return 0
}
