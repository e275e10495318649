#!/usr/bin/env bash
# Window queries on a headless GNOME Shell with the tool's extension, holding N weston-terminal
# windows (default 10), against `dbus-send` making the same GetWindows call: one D-Bus round trip
# with the extension's own work. Run as root: GNOME Shell, its buses and the runs are started as
# the unprivileged user orvane-wayland, created when missing (a session bus admits only its own
# user); a logind mock on a stand-in system bus lets the shell start.
#   bench/gnome_bench.sh [N]     RUNS=60 by default; BUILD_DIR=build-bench
set -euo pipefail
cd "$(dirname "$0")/.."

# shellcheck source=bench/wayland_bench_setup.sh
source bench/wayland_bench_setup.sh
runtime=$(mktemp -d /tmp/orvane-gnome-bench.XXXXXX)
mkdir -p "$runtime/share/gnome-shell/extensions"
cp -r "$build/gnome-shell/extensions/orvane-screen-tool@orvane" "$runtime/share/gnome-shell/extensions/"
chown -R "$user" "$runtime"
chmod 700 "$runtime"
as_user=(setpriv --reuid="$(id -u "$user")" --regid="$(id -g "$user")" --clear-groups
  env -i HOME="$runtime" XDG_RUNTIME_DIR="$runtime" PATH=/usr/bin:/bin LANG=C.UTF-8
  DBUS_SESSION_BUS_ADDRESS="unix:path=$runtime/bus"
  DBUS_SYSTEM_BUS_ADDRESS="unix:path=$runtime/system_bus" WAYLAND_DISPLAY=wayland-bench
  XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME
  XDG_DATA_DIRS="$runtime/share:/usr/local/share:/usr/share")

pids=()
trap 'kill -9 "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$runtime"' EXIT
for bus in bus system_bus; do
  "${as_user[@]}" dbus-daemon --session --nofork --nopidfile --address="unix:path=$runtime/$bus" \
    >/dev/null 2>&1 &
  pids+=($!)
done
for _ in $(seq 300); do [ -S "$runtime/bus" ] && [ -S "$runtime/system_bus" ] && break; sleep 0.1; done
"${as_user[@]}" python3 -m dbusmock --system --template logind >/dev/null 2>&1 &
pids+=($!)
"${as_user[@]}" gsettings set org.gnome.shell enabled-extensions "['orvane-screen-tool@orvane']"
"${as_user[@]}" gnome-shell --headless --wayland --virtual-monitor 3840x2160 \
  --wayland-display=wayland-bench >/dev/null 2>&1 &
pids+=($!)
open_terminals

echo
echo "## GNOME Shell $(dpkg-query -W -f='${Version}' gnome-shell), $count weston-terminal" \
  "windows ($runs interleaved runs each, $(nproc) cores)"
echo
compare_with_dbus_send "dbus-send --session --print-reply --dest=org.orvane.ScreenTool /org/orvane/ScreenTool \
  org.orvane.ScreenTool.WindowList.GetWindows"
