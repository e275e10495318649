#!/usr/bin/env bash
# The whole benchmark: window queries against wmctrl, xprop and xdotool on private desktops of
# 10 and 100 windows, then ocr against the tesseract CLI. Installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test >/dev/null
echo "# OrvaneScreenTool benchmark, $(date -u +%Y-%m-%d), $(nproc) cores, $(uname -m)"
bench/window_bench.sh "$@"
if [ -x bench/ocr_bench.sh ]; then
  echo
  bench/ocr_bench.sh
fi
