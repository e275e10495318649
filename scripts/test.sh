#!/usr/bin/env bash
# Installs what the tests need, builds the tool and its tests, and runs every test:
#   1. unit, process and end-to-end tests (the end-to-end tests start their own X servers);
#   2. the same suite built with AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. a short run of every fuzz target;
#   4. installing the tool with cmake --install and as a Debian package;
#   5. the README's first command, scripts/run.sh, on a fresh minimal Debian root.
# Warnings are errors in every build here. Set QUICK=1 to run only the first stage, or
# SKIP_FRESH_ROOT=1 to leave out the last one; CI runs every stage whatever they say.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${CI:-}" = true ]; then
  QUICK=0 SKIP_FRESH_ROOT=0
fi

echo "==> installing packages"
scripts/install-deps.sh test

# One locale with a comma decimal separator, so the coordinate test can show that the
# process locale does not change what the tool accepts.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "==> generating the de_DE.UTF-8 locale"
  sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  locale-gen >/dev/null
fi

# The Wayland tests run compositors and clients as an ordinary user, who must be able to reach
# the system's files. A root folder made with mktemp for a chroot is closed to everyone else.
if [ "$(id -u)" -eq 0 ] && [ $((0$(stat -c %a /) & 1)) -eq 0 ]; then
  echo "==> opening / to every user, as on an installed system"
  chmod o+rx /
fi

# Wayland compositors refuse to run as root; the end-to-end tests run them as this user.
if [ "$(id -u)" -eq 0 ] && ! id orvane-wayland >/dev/null 2>&1; then
  echo "==> creating the user orvane-wayland for the Wayland tests"
  useradd --system --no-create-home --shell /usr/sbin/nologin orvane-wayland
fi

passed=0
failed=0
# Runs ctest on a build folder and adds its counts to the totals.
run_ctest() {
  local log
  log=$(mktemp)
  local status=0
  ctest --test-dir "$1" --output-on-failure -j2 | tee "$log" || status=$?
  local total bad
  total=$(grep -o 'tests failed out of [0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  bad=$(grep -o '[0-9]* tests failed out of' "$log" | grep -o '^[0-9]*' || echo 0)
  passed=$((passed + total - bad))
  failed=$((failed + bad))
  rm -f "$log"
  if [ "$status" -ne 0 ]; then
    echo "$passed passed, $failed failed"
    exit "$status"
  fi
}

build=${BUILD_DIR:-build}
echo "==> building in $build"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
  -DORVANE_WERROR=ON >/dev/null
cmake --build "$build"
echo "==> running the tests"
run_ctest "$build"

if [ "${QUICK:-0}" = 1 ]; then
  echo "$passed passed, $failed failed"
  exit 0
fi

echo "==> building with sanitizers in $build-sanitize"
cmake -S . -B "$build-sanitize" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON \
  -DBUILD_TESTING=ON -DORVANE_WERROR=ON >/dev/null
cmake --build "$build-sanitize"
echo "==> running the tests with sanitizers"
# The tool points descriptor 2 at /dev/null and keeps standard error for its error object, so the
# sanitizers write their reports to files, shown if the stage fails.
reports="$PWD/$build-sanitize/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"
trap 'tail -n +1 "$reports"/* 2>/dev/null || true' EXIT
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:log_path="$reports/asan" \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:log_path="$reports/ubsan" \
  run_ctest "$build-sanitize"
trap - EXIT

echo "==> checking the installed tool and the Debian package"
if BUILD_DIR="$build" scripts/check-install.sh; then
  passed=$((passed + 1))
else
  failed=$((failed + 1))
fi

echo "==> fuzzing each target briefly"
fuzz_log=$(mktemp)
fuzz_status=0
FUZZ_SECONDS=${FUZZ_SECONDS:-5} FUZZ_BUILD_DIR="$build-fuzz" scripts/fuzz.sh | tee "$fuzz_log" ||
  fuzz_status=$?
passed=$((passed + $(grep -c 'no failure$' "$fuzz_log" || true)))
failed=$((failed + $(grep -c ': FAILED$' "$fuzz_log" || true)))
rm -f "$fuzz_log"

if [ "${SKIP_FRESH_ROOT:-0}" = 1 ]; then
  echo "==> skipping the fresh-root check (SKIP_FRESH_ROOT=1)"
else
  echo "==> the README's first command on a fresh Debian root"
  if scripts/fresh-root-check.sh; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
  fi
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && exit "$fuzz_status"
exit 1
