#!/usr/bin/env bash
# Checks that the tool installs like one: `cmake --install` into a scratch prefix and the Debian
# package installed with apt both give a tool that works from any folder, with its manual page
# and its GNOME Shell extension.
# The package is removed again at the end. Needs root for the package step.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

convert -size 480x80 xc:white -font DejaVu-Sans -pointsize 30 -fill black \
  -annotate +12+52 "Installed and reading" "$scratch/text.png"

# The tool must answer from an unrelated folder, with no display, and read the image's text.
check_tool() {
  local tool=$1
  (cd / && env -u DISPLAY "$tool" list) | grep -qx '\[\]'
  (cd "$scratch" && "$tool" ocr text.png) | grep -q '"text":"Installed and reading"'
}

echo "==> cmake --install into a scratch prefix"
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
check_tool "$scratch/prefix/bin/OrvaneScreenTool"
test -f "$scratch/prefix/share/man/man1/OrvaneScreenTool.1"
for file in extension.js metadata.json; do
  test -f "$scratch/prefix/share/gnome-shell/extensions/orvane-screen-tool@orvane/$file"
done
echo "installed tool works"

echo "==> the Debian package"
PACKAGE_BUILD_DIR="$build-deb" scripts/package.sh >/dev/null
package=$(ls "$build-deb"/orvane-screen-tool_*.deb)
trap 'rm -rf "$scratch"; apt-get remove -y -qq orvane-screen-tool >/dev/null 2>&1 || true' EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$(realpath "$package")" >/dev/null
check_tool OrvaneScreenTool
man -w OrvaneScreenTool >/dev/null
man OrvaneScreenTool 2>/dev/null | grep -q "window-at-point"
grep -q '"uuid": "orvane-screen-tool@orvane"' \
  /usr/share/gnome-shell/extensions/orvane-screen-tool@orvane/metadata.json
echo "package $(basename "$package") installs and works"
