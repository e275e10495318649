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
)
# GNOME Shell, run headless with the tool's extension; it ends at start without a login manager
# on the system bus, which a mock stands in for. Without the packages it recommends, which would
# bring much of a GNOME desktop that the tests never start.
test_packages_without_recommends=(gnome-shell python3-dbusmock)

packages=("${build_packages[@]}")
lean_packages=()
case "$what" in
  build) ;;
  run) packages+=("${run_packages[@]}") ;;
  test)
    packages+=("${run_packages[@]}" "${test_packages[@]}")
    lean_packages=("${test_packages_without_recommends[@]}")
    ;;
  *) echo "usage: $0 [build|run|test]" >&2; exit 2 ;;
esac

# The packages of the list given that are not installed yet.
missing_of() {
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      echo "$package"
  done
}
mapfile -t missing < <(missing_of "${packages[@]}")
mapfile -t missing_lean < <(missing_of "${lean_packages[@]}")

if [ ${#missing[@]} -gt 0 ] || [ ${#missing_lean[@]} -gt 0 ]; then
  echo "==> installing: ${missing[*]} ${missing_lean[*]}"
  # Through env, so that sudo, which clears the environment, still passes the frontend on.
  as_root=(env DEBIAN_FRONTEND=noninteractive)
  [ "$(id -u)" -eq 0 ] || as_root=(sudo "${as_root[@]}")
  "${as_root[@]}" apt-get update -qq
  [ ${#missing[@]} -eq 0 ] || "${as_root[@]}" apt-get install -y -qq "${missing[@]}"
  [ ${#missing_lean[@]} -eq 0 ] ||
    "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing_lean[@]}"
else
  echo "==> all $((${#packages[@]} + ${#lean_packages[@]})) packages present"
fi
