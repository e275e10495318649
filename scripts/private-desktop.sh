# Sourced by scripts that need an X desktop when there is none. `start_private_desktop` starts
# Xvfb on a free display with openbox and two real application windows; `start_bare_desktop
# [manager]` only the server and a window manager (openbox unless named). DISPLAY then names the new server, and everything
# started here is stopped when the script exits (or by `stop_private_desktop`).

desktop_pids=()
desktop_dir=""

stop_private_desktop() {
  local pid
  for pid in "${desktop_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${desktop_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  desktop_pids=()
  [ -n "$desktop_dir" ] && rm -rf "$desktop_dir"
  desktop_dir=""
}

# Polls a command until it succeeds, for at most $1 seconds.
wait_until() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    if [ $SECONDS -ge $deadline ]; then
      echo "timed out waiting for: $*" >&2
      return 1
    fi
    sleep 0.05
  done
}

# Counts the windows the window manager manages, from its _NET_CLIENT_LIST.
window_count_at_least() {
  [ "$(xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -o '0x[0-9a-f]*' | wc -l)" -ge "$1" ]
}

# Runs a client in the background, to be stopped with the desktop.
start_client() {
  "$@" >/dev/null 2>&1 &
  desktop_pids+=($!)
}

# Starts a window manager on DISPLAY: openbox (the default), fluxbox, icewm, xfwm4, kwin_x11 or i3,
# and waits until it manages windows.
start_window_manager() {
  local manager=${1:-openbox}
  if [ "$manager" = openbox ]; then
    # Openbox runs its startup command once it manages the screen; windows mapped before that
    # could be left unmanaged.
    start_client openbox --startup "xprop -root -f ORVANE_DESKTOP_READY 32c -set ORVANE_DESKTOP_READY 1"
    wait_until 10 sh -c 'xprop -root ORVANE_DESKTOP_READY | grep -q "= 1"'
    return
  fi
  local program
  program=$(command -v "$manager") || { echo "$manager is not installed" >&2; return 1; }
  case "$manager" in
    xfwm4 | kwin_x11)
      # Both want a session bus. kwin runs from a copy, which carries no file capabilities: many
      # containers refuse to start a program that has them.
      if [ "$manager" = kwin_x11 ]; then
        cp "$program" "$desktop_dir/kwin_x11" && program=$desktop_dir/kwin_x11
      fi
      # A bus of the desktop's own, stopped with it (dbus-run-session would leave its bus behind
      # when stopped), and no accessibility bus, which would outlive it too.
      start_client dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$desktop_dir/bus"
      wait_until 10 test -s "$desktop_dir/bus"
      DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$desktop_dir/bus") NO_AT_BRIDGE=1 start_client "$program"
      ;;
    i3)
      printf 'font pango:DejaVu Sans Mono 8\ndefault_border normal 2\n' >"$desktop_dir/i3.conf"
      start_client "$program" -c "$desktop_dir/i3.conf"
      ;;
    *) start_client "$program" ;;
  esac
  wait_until 60 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
  # A window mapped while the manager still starts may stay unmanaged: wait for one it manages.
  start_client xlogo -geometry 100x100+0+0 -title "orvane desktop ready"
  wait_until 60 sh -c 'wmctrl -l | grep -q "orvane desktop ready"'
  kill "${desktop_pids[-1]}" 2>/dev/null || true
  wait_until 10 sh -c '! wmctrl -l | grep -q "orvane desktop ready"'
}

start_bare_desktop() {
  desktop_dir=$(mktemp -d)
  trap stop_private_desktop EXIT
  Xvfb -displayfd 3 -screen 0 "${DESKTOP_SIZE:-1280x800}x24" -nolisten tcp \
    3>"$desktop_dir/display" >/dev/null 2>&1 &
  desktop_pids+=($!)
  wait_until 10 test -s "$desktop_dir/display"
  export DISPLAY=":$(head -n1 "$desktop_dir/display")"
  echo "==> private desktop on DISPLAY=$DISPLAY"
  start_window_manager "${1:-openbox}"
}

start_private_desktop() {
  start_bare_desktop
  start_client xlogo -geometry 360x300+880+440
  wait_until 10 window_count_at_least 1
  start_client xterm -geometry 64x12+40+40 -fa 'DejaVu Sans Mono' -fs 16 -bg white -fg black \
    -title "Orvane demo terminal" \
    -e sh -c 'echo "Hello from OrvaneScreenTool"; echo "Screens hold text worth reading"; exec sleep 3600'
  wait_until 10 window_count_at_least 2
}
