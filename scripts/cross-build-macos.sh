#!/usr/bin/env bash
# Checks the macOS build on a Linux machine: cross-builds the tool for arm64 and x86_64 with
# clang and ld64.lld against a macOS SDK (cmake/macos-cross.cmake), with warnings fatal and any
# unguarded call newer than the deployment target an error, joins the two into one universal
# binary with llvm-lipo, and lists the libraries it links with llvm-otool. Fails unless every one
# lives under /System/Library or /usr/lib, the system's own.
#
#   scripts/cross-build-macos.sh SDK [OUT]     (SDK: a MacOSX*.sdk folder; OUT: build-macos)
#
# Needs cmake, ninja and Debian's clang-14, lld-14 and llvm-14 (LLVM_SUFFIX="" for unversioned
# tool names). Nothing of the SDK is copied into the project. A Mac needs none of this.
set -euo pipefail
cd "$(dirname "$0")/.."

[ $# -ge 1 ] || { sed -n '2,11p' "$0" >&2; exit 2; }
sdk=$(cd "$1" && pwd)
out=${2:-build-macos}
suffix=${LLVM_SUFFIX--14}

for tool in "clang++$suffix" "ld64.lld$suffix" "llvm-lipo$suffix" "llvm-otool$suffix" cmake ninja; do
  command -v "$tool" >/dev/null || { echo "missing $tool (apt-get install clang-14 lld-14 llvm-14 cmake ninja-build)" >&2; exit 1; }
done

slices=()
for arch in arm64 x86_64; do
  build="$out/$arch"
  cmake -S . -B "$build" -G Ninja --toolchain cmake/macos-cross.cmake \
    -DORVANE_MACOS_SDK="$sdk" -DORVANE_LLVM_SUFFIX="$suffix" -DCMAKE_OSX_ARCHITECTURES="$arch" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DORVANE_WERROR=ON
  nice -n 10 cmake --build "$build" -j2
  slices+=("$build/src/OrvaneScreenTool")
done

universal="$out/OrvaneScreenTool"
"llvm-lipo$suffix" -create "${slices[@]}" -output "$universal"
echo "$universal: $("llvm-lipo$suffix" -archs "$universal")"

status=0
for arch in arm64 x86_64; do
  echo "$arch links:"
  libraries=$("llvm-otool$suffix" -arch "$arch" -L "$universal" | sed -n 's/^[[:space:]]\{1,\}\([^ ]*\) (compat.*/\1/p')
  [ -n "$libraries" ] || { echo "  no libraries listed" >&2; status=1; }
  while read -r library; do
    case "$library" in
      /System/Library/* | /usr/lib/*) echo "  $library" ;;
      *) echo "  $library   <- not a system library" >&2; status=1 ;;
    esac
  done <<<"$libraries"
done
exit $status
