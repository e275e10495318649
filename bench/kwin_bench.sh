#!/usr/bin/env bash
# Window queries on a headless KWin (KDE Plasma's compositor) holding N weston-terminal windows
# (default 10), against `dbus-send` asking KWin one question, a single D-Bus round trip. Each
# query loads the window script, has KWin run it, takes its answer and unloads it. Run as root:
# KWin, its session bus and the runs are started as the unprivileged user orvane-wayland, created
# when missing (a session bus admits only its own user).
#   bench/kwin_bench.sh [N]      RUNS=60 by default; BUILD_DIR=build-bench
set -euo pipefail
cd "$(dirname "$0")/.."

# shellcheck source=bench/wayland_bench_setup.sh
source bench/wayland_bench_setup.sh
runtime=$(mktemp -d /tmp/orvane-kwin-bench.XXXXXX)
mkdir -p "$runtime/.config" "$runtime/bin"
printf '[Daemon]\nAutolock=false\nLockOnResume=false\n' >"$runtime/.config/kscreenlockerrc"
# A copy without the file capabilities a sandbox may refuse; KWin wants its own name kept.
cp /usr/bin/kwin_wayland "$runtime/bin/kwin_wayland"
chown -R "$user" "$runtime"
chmod 700 "$runtime"
as_user=(setpriv --reuid="$(id -u "$user")" --regid="$(id -g "$user")" --clear-groups
  env -i HOME="$runtime" XDG_RUNTIME_DIR="$runtime" PATH=/usr/bin:/bin LANG=C.UTF-8
  DBUS_SESSION_BUS_ADDRESS="unix:path=$runtime/bus" WAYLAND_DISPLAY=wayland-bench
  XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE)

"${as_user[@]}" dbus-daemon --session --nofork --nopidfile --address="unix:path=$runtime/bus" \
  >/dev/null 2>&1 &
bus_pid=$!
pids=()
trap 'kill "${pids[@]}" $bus_pid 2>/dev/null; wait 2>/dev/null; rm -rf "$runtime"' EXIT
for _ in $(seq 300); do [ -S "$runtime/bus" ] && break; sleep 0.1; done
"${as_user[@]}" "$runtime/bin/kwin_wayland" --virtual --width 3840 --height 2160 \
  --socket wayland-bench >/dev/null 2>&1 &
pids+=($!)
open_terminals

echo
echo "## KWin $(dpkg-query -W -f='${Version}' kwin-wayland), $count weston-terminal" \
  "windows ($runs interleaved runs each, $(nproc) cores)"
echo
compare_with_dbus_send "dbus-send --session --print-reply --dest=org.kde.KWin /KWin org.kde.KWin.currentDesktop"
