#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing the tool need.
# Usage: scripts/install-deps.sh [build|run|test]   (default: test, which is everything)
set -euo pipefail

what=${1:-test}

# Building the tool.
build_packages=(
  build-essential cmake ninja-build pkg-config dpkg-dev file
  libxcb1-dev libxcb-res0-dev
  libtesseract-dev libleptonica-dev
  libutf8proc-dev
  libsystemd-dev
)

# Running it: the recogniser's language data, sd-bus for KDE Plasma's window list, and a private
# desktop for the main job.
run_packages=(
  tesseract-ocr-chi-sim tesseract-ocr-eng libsystemd0
  xvfb openbox xterm x11-apps x11-utils imagemagick fonts-dejavu-core fonts-noto-cjk
)

# Testing it.
test_packages=(
  googletest libgtest-dev clang libclang-rt-dev
  wmctrl xdotool locales man-db debootstrap
  xfonts-base fonts-noto-mono
  # The window managers the end-to-end window tests run under (openbox is in the run set).
  fluxbox icewm xfwm4 kwin-x11 i3-wm
  sway foot xwayland weston xauth
  # KDE Plasma's compositor, run headless on a session bus of its own.
  kwin-wayland dbus-daemon dbus-bin
  # GNOME Shell, run headless with the tool's extension; it ends at start without a login manager
  # on the system bus, which a mock stands in for.
  gnome-shell python3-dbusmock
)

packages=("${build_packages[@]}")
case "$what" in
  build) ;;
  run) packages+=("${run_packages[@]}") ;;
  test) packages+=("${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 [build|run|test]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "==> installing: ${missing[*]}"
  # Through env, so that sudo, which clears the environment, still passes the frontend on.
  as_root=(env DEBIAN_FRONTEND=noninteractive)
  [ "$(id -u)" -eq 0 ] || as_root=(sudo "${as_root[@]}")
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq "${missing[@]}"
else
  echo "==> all ${#packages[@]} packages present"
fi
