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
