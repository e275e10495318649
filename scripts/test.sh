#!/usr/bin/env bash
# Installs what the tests need, builds the tool and its tests, and runs every test.
# The end-to-end tests start their own virtual X servers; no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."

echo "==> installing packages"
scripts/install-deps.sh test

# One locale with a comma decimal separator, so the coordinate test can show that the
# process locale does not change what the tool accepts.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "==> generating the de_DE.UTF-8 locale"
  sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  locale-gen >/dev/null
fi

build=${BUILD_DIR:-build}
echo "==> building in $build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build"

echo "==> running the tests"
ctest --test-dir "$build" --output-on-failure -j2
