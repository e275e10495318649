#!/usr/bin/env bash
# Window queries on a headless sway holding N foot windows (default 10), against
# `swaymsg -t get_tree`, the one IPC round trip each query makes. Run as root: sway is started
# as the unprivileged user orvane-wayland, created when missing.
#   bench/sway_bench.sh [N]      RUNS=60 by default; BUILD_DIR=build-bench
set -euo pipefail
cd "$(dirname "$0")/.."

# shellcheck source=bench/wayland_bench_setup.sh
source bench/wayland_bench_setup.sh
runtime=$(mktemp -d /tmp/orvane-sway-bench.XXXXXX)
printf 'xwayland disable\noutput HEADLESS-1 resolution 3840x2160 position 0 0\n' >"$runtime/config"
chown "$user" "$runtime"
chmod 700 "$runtime"
setpriv --reuid="$(id -u "$user")" --regid="$(id -g "$user")" --clear-groups \
  env -i HOME="$runtime" XDG_RUNTIME_DIR="$runtime" PATH=/usr/bin:/bin LANG=C.UTF-8 \
  WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
  sway -c "$runtime/config" >/dev/null 2>&1 &
sway_pid=$!
trap 'kill $sway_pid 2>/dev/null; wait $sway_pid 2>/dev/null; rm -rf "$runtime"' EXIT

for _ in $(seq 600); do
  SWAYSOCK=$(ls "$runtime"/sway-ipc.*.sock 2>/dev/null || true)
  [ -n "$SWAYSOCK" ] && break
  sleep 0.1
done
export SWAYSOCK XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-1
unset DISPLAY

for ((i = 0; i < count; i++)); do
  swaymsg -q "exec foot --app-id=bench.$i --title='bench window $i' sleep 100000"
  # Every fourth floats; on a 3840x2160 output the tiled ones stay of a usable size.
  [ $((i % 4)) -eq 3 ] && swaymsg -q "for_window [app_id=bench.$i] floating enable"
done
for _ in $(seq 600); do
  [ "$(swaymsg -t get_tree | grep -c '"app_id": "bench\.')" -ge "$count" ] && break
  sleep 0.1
done

echo
echo "## sway, $count foot windows ($runs interleaved runs each, $(nproc) cores)"
echo
"$build/bench/bench_runner" --runs "$runs" \
  --ratio "list/swaymsg -t get_tree" --ratio "frontmost/swaymsg -t get_tree" \
  --ratio "window-at-point/swaymsg -t get_tree" \
  "plain C++ process" "$build/bench/print_empty_object" \
  "list" "$tool list" \
  "list-all" "$tool list-all" \
  "frontmost" "$tool frontmost" \
  "window-at-point" "$tool window-at-point 1920 1080" \
  "swaymsg -t get_tree" "swaymsg -t get_tree"
