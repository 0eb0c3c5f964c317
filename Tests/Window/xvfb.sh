# Sourced by the scripts that need a virtual X screen. start_xvfb starts one whose screen is the
# file $work/fb/Xvfb_screen0 (XWD, read for screenshots), sets xvfb_pid and DISPLAY, and fails
# when the server has not given its display number within 10 seconds.
start_xvfb() {
  mkdir -p "$work/fb"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -fbdir "$work/fb" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || return 1
  export DISPLAY=":$(head -n1 "$work/display")"
}
