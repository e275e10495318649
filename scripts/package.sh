#!/usr/bin/env bash
# Builds the Debian package of the tool: build-deb/orvane-screen-tool_VERSION_ARCH.deb.
# Install it with: apt-get install ./build-deb/orvane-screen-tool_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh build
build=${PACKAGE_BUILD_DIR:-build-deb}
# The installed tool looks for its recognition module under this prefix.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target OrvaneScreenTool orvane_ocr_tesseract
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/*.deb
