#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer on)
# and runs each one for FUZZ_SECONDS seconds (default 10), starting from its seed corpus.
# New inputs go to a scratch folder; the seeds in the repository are left as they are.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-10}
build=${FUZZ_BUILD_DIR:-build-fuzz}

echo "==> building the fuzz targets in $build"
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DORVANE_FUZZ=ON \
  -DORVANE_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"

status=0
for target in "$build"/tests/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=${target##*/fuzz_}
  scratch=$(mktemp -d)
  log="$scratch/log"
  if "$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$scratch/" "$scratch" "tests/fuzz/corpus/$name" >"$log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
    coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -n1 | grep -o '[0-9]*' || echo "?")
    echo "fuzz $name: $runs executions, coverage $coverage, no failure"
  else
    echo "fuzz $name: FAILED"
    grep -E 'ERROR|SUMMARY|==[0-9]+==' "$log" | head -n 20 || tail -n 30 "$log"
    ls "$scratch" | grep -E '^(crash|leak|timeout|oom)-' | sed "s|^|  artifact: $scratch/|" || true
    status=1
    continue
  fi
  rm -rf "$scratch"
done
exit $status
