#!/usr/bin/env bash
# Compiles every source of the macOS backend for syntax alone, with the project's warnings as
# errors, against the declarations in tests/macos (the Apple SDK is not needed, nothing is linked
# or run). The stub framework headers there stand in for the real ones, so the sources keep their
# ordinary #include and #import lines.
# Usage: scripts/check-macos-sources.sh [clang++]    (default: $CLANGXX, else clang++)
set -euo pipefail
cd "$(dirname "$0")/.."

compiler=${1:-${CLANGXX:-clang++}}
# 77: skipped, as ctest reads it; the check is never silently counted as passed.
if ! command -v "$compiler" >/dev/null; then
  echo "SKIPPED: $compiler not found, the macOS sources were not checked" >&2
  exit 77
fi
common=(-std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Wshadow -Werror
        -isystem tests/macos/include -I src)
# As the Apple build compiles Objective-C++: ARC, the Apple runtime.
objcxx=(-x objective-c++ -fobjc-arc -fobjc-runtime=macosx-10.15)

checked=0
failed=0
check() {
  local source=$1
  shift
  checked=$((checked + 1))
  if ! "$compiler" "${common[@]}" "$@" "$source"; then
    echo "FAILED: $source ($*)" >&2
    failed=$((failed + 1))
  fi
}

shopt -s nullglob
sources=(src/platform/macos/*.mm src/platform/macos/*.cpp)
if [ ${#sources[@]} -eq 0 ]; then
  echo "no macOS sources found" >&2
  exit 1
fi
for source in "${sources[@]}"; do
  case "$source" in
    *.mm) check "$source" "${objcxx[@]}" ;;
    # Plain C++ on the Mac; checked as Objective-C++ too, as a header it includes may be.
    *.cpp)
      check "$source" -x c++
      check "$source" "${objcxx[@]}"
      ;;
  esac
done

echo "$((checked - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
