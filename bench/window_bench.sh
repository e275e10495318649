#!/usr/bin/env bash
# Window queries side by side with their peers, on a private virtual desktop (Xvfb and a window
# manager) holding N windows, for each N given (default: 10 100) under each manager in MANAGERS
# (default: openbox fluxbox icewm xfwm4 kwin_x11 i3). Prints medians, ratios and peak memory.
#   bench/window_bench.sh [N...]      RUNS=60 by default; BUILD_DIR=build-bench
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/private-desktop.sh

build=${BUILD_DIR:-build-bench}
runs=${RUNS:-60}
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(10 100)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target OrvaneScreenTool orvane_testwin bench_runner print_empty_object \
  >/dev/null
tool="$build/src/OrvaneScreenTool"
testwin="$build/tests/orvane_testwin"

# One xterm, one xlogo and test windows of our own, cascading across the screen.
fill_desktop() {
  local count=$1 i
  start_client xterm -geometry 80x24+0+0 -title "bench terminal"
  start_client xlogo -geometry 300x300+600+100
  for ((i = 2; i < count; i++)); do
    start_client "$testwin" --geometry "400x300+$((i * 7 % 800))+$((i * 5 % 450))" \
      --title "bench window $i" --class "benchwin\\x00BenchWin"
  done
  wait_until 60 window_count_at_least "$count"
}

read -r -a managers <<<"${MANAGERS:-openbox fluxbox icewm xfwm4 kwin_x11 i3}"
for manager in "${managers[@]}"; do
  for count in "${counts[@]}"; do
    start_bare_desktop "$manager" >/dev/null
    fill_desktop "$count"
    echo
    echo "## $manager, $count windows ($runs interleaved runs each, $(nproc) cores)"
    echo
    "$build/bench/bench_runner" --runs "$runs" \
      --ratio "list/wmctrl -lGpx" --ratio "list/xprop -root" \
      --ratio "frontmost/wmctrl -lGpx" --ratio "frontmost/xprop -root" \
      --ratio "usage error/plain C++ process" \
      "plain C++ process" "$build/bench/print_empty_object" \
      "usage error" "$tool" \
      "list" "$tool list" \
      "list-all" "$tool list-all" \
      "frontmost" "$tool frontmost" \
      "window-at-point" "$tool window-at-point 10 10" \
      "window-for-bundle" "$tool window-for-bundle xterm" \
      "wmctrl -lGpx" "wmctrl -lGpx" \
      "xprop -root" "xprop -root _NET_ACTIVE_WINDOW" \
      "xdotool getactivewindow" "xdotool getactivewindow"
    stop_private_desktop
  done
done
