# Sourced by the Wayland benchmarks from the repository's root, with the benchmark's own
# arguments: builds what they run and makes the unprivileged user that runs the compositor.
# Sets build, runs, count (the first argument, default 10), user and tool.
build=${BUILD_DIR:-build-bench}
runs=${RUNS:-60}
count=${1:-10}
user=orvane-wayland

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target OrvaneScreenTool bench_runner print_empty_object >/dev/null
tool="$PWD/$build/src/OrvaneScreenTool"

id "$user" >/dev/null 2>&1 || useradd --system --no-create-home --shell /usr/sbin/nologin "$user"

# For shells asked over a session bus (KWin, GNOME Shell), with as_user (the command prefix that
# runs a program in the session) and pids (what the benchmark ends) set: waits for the shell to
# answer the tool, then opens count weston-terminal windows and waits until they are listed.
open_terminals() {
  for _ in $(seq 600); do
    "${as_user[@]}" "$tool" list >/dev/null 2>&1 && break
    sleep 0.1
  done
  for ((i = 0; i < count; i++)); do
    "${as_user[@]}" weston-terminal >/dev/null 2>&1 &
    pids+=($!)
  done
  for _ in $(seq 600); do
    [ "$("${as_user[@]}" "$tool" list-all | grep -o '"title"' | wc -l)" -ge "$count" ] && break
    sleep 0.1
  done
}

# Runs the window commands interleaved with a plain process and the peer command line, which
# asks the shell one question over the session bus.
compare_with_dbus_send() {
  "${as_user[@]}" "$build/bench/bench_runner" --runs "$runs" \
    --ratio "list/dbus-send" --ratio "frontmost/dbus-send" --ratio "list/plain C++ process" \
    "plain C++ process" "$PWD/$build/bench/print_empty_object" \
    "list" "$tool list" \
    "list-all" "$tool list-all" \
    "frontmost" "$tool frontmost" \
    "window-at-point" "$tool window-at-point 1920 1080" \
    "dbus-send" "$1"
}
