# Sourced by the end-to-end scripts (it is not a test of its own). The caller
# defines fail MESSAGE (which exits) and keeps its scratch folder in $work;
# app_pid is the program's process, when one runs.

# A display of the script's own (WIDTHxHEIGHT, 1280x1024 unless given): Xvfb
# picks a free number and writes it to fd 3; sets xvfb_pid and exports DISPLAY. -noreset: by default the server
# resets when its last client leaves, and a program started during the reset
# cannot connect, which made a restart of the program fail now and then.
start_display() {
  # A second display in the same script must not read the first one's number
  # before the new server's redirection has emptied the file.
  rm -f "$work/display"
  Xvfb -displayfd 3 -screen 0 "${1:-1280x1024}x24" -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    sleep 0.1
  done
  [ -s "$work/display" ] || fail "Xvfb gave no display within 10 s"
  export DISPLAY=":$(head -n1 "$work/display")"
}

# Visible windows titled exactly $1, newest last (the message boxes carry the
# program's title too).
windows() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null; }

wait_for_window() {  # title, tenths of a second; prints the newest match
  local found
  for _ in $(seq "$2"); do
    if [ -n "${app_pid:-}" ] && ! kill -0 "$app_pid" 2>/dev/null; then
      app_pid=""
      fail "the program ended unexpectedly"
    fi
    found=$(windows "$1" | tail -n1)
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.1
  done
  return 1
}

# The menu bar's height over the content of window $1 (its client area less
# the content's 638 pixels; at the default size, scale 1): places of the
# controls are measured from the content's top.
content_top() {
  local height
  height=$(xwininfo -id "$1" | sed -n 's/^ *Height: *//p')
  echo $((height - 638))
}
