#!/usr/bin/env bash
# Installs what the tool needs, builds it, and runs its main job: it lists the windows of the
# current display, names the frontmost application, finds the window under a point and reads
# the text of a screenshot. Without a display it does this on a private virtual desktop.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/private-desktop.sh

echo "==> installing packages"
scripts/install-deps.sh run

build=${BUILD_DIR:-build}
echo "==> building in $build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target OrvaneScreenTool orvane_ocr_tesseract
tool="$build/src/OrvaneScreenTool"

if [ -z "${DISPLAY:-}" ] || ! xprop -root -notype _NET_SUPPORTED >/dev/null 2>&1; then
  start_private_desktop
  point=(120 120) # inside the demo terminal
else
  echo "==> using DISPLAY=$DISPLAY"
  point=(${POINT_X:-100} ${POINT_Y:-100})
fi

run() {
  echo "\$ OrvaneScreenTool $*"
  "$tool" "$@" || true
  echo
}

run list
run frontmost
run window-at-point "${point[@]}"

shot=$(mktemp --suffix=.png)
import -window root "$shot"
run ocr "$shot"
rm -f "$shot"
