#!/usr/bin/env bash
# Runs the README's first command, scripts/run.sh, on a fresh minimal Debian 12 root, as on a new
# user's machine, and checks that it shows the demo desktop: list, frontmost, window-at-point and
# the text of the screenshot. A package that the run set forgets fails here.
#
# The committed HEAD is cloned into the root, so uncommitted changes are not part of the check.
# The pristine root is made once with debootstrap and kept as a tarball; downloaded packages are
# kept too, so later runs install every package again but download none that they already have.
# Needs root (debootstrap, chroot, mounts).
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || exec sudo "$0" "$@"

suite=bookworm
cache=${FRESH_ROOT_CACHE:-/var/cache/orvane-fresh-root}
pristine="$cache/$suite.tar"
root=$(mktemp -d /tmp/orvane-fresh-root.XXXXXX)
log="$root.log"
mounts=(proc sys dev dev/pts var/cache/apt/archives)

cleanup() {
  local index
  for ((index = ${#mounts[@]} - 1; index >= 0; index--)); do
    umount -l "$root/${mounts[index]}" 2>/dev/null || true
  done
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT

if [ ! -s "$pristine" ]; then
  echo "==> making a pristine $suite root with debootstrap (once, kept in $cache)"
  mkdir -p "$cache"
  base=$(mktemp -d /tmp/orvane-fresh-base.XXXXXX)
  if ! debootstrap --variant=minbase --include=git,ca-certificates "$suite" "$base" \
    >"$base.log" 2>&1; then
    tail -n 20 "$base.log"
    rm -rf --one-file-system "$base"
    exit 1
  fi
  tar -C "$base" -cf "$pristine.part" . && mv "$pristine.part" "$pristine"
  rm -rf --one-file-system "$base" "$base.log"
fi

tar -C "$root" -xf "$pristine"
chmod 755 "$root" # as an installed system's /, not mktemp's private folder
mkdir -p "$cache/archives/partial"
mount -t proc proc "$root/proc"
mount -t sysfs sys "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount --bind "$cache/archives" "$root/var/cache/apt/archives"
cp /etc/resolv.conf "$root/etc/resolv.conf"
git clone -q . "$root/root/project"

echo "==> scripts/run.sh at $(git rev-parse --short HEAD) on a fresh $suite root (log: $log)"
status=0
chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  bash -c 'cd /root/project && scripts/run.sh' >"$log" 2>&1 || status=$?

# Each command's document follows its "$ OrvaneScreenTool ..." line.
answer_to() { grep -A1 -F "\$ OrvaneScreenTool $1" "$log" | tail -n 1; }
problems=()
[ "$status" -eq 0 ] || problems+=("scripts/run.sh exited with status $status")
answer_to list | grep -q '"title":"Orvane demo terminal"' || problems+=("list lacks the demo terminal")
answer_to frontmost | grep -q '^{"' || problems+=("frontmost printed no document")
answer_to window-at-point | grep -q '"title":"Orvane demo terminal"' ||
  problems+=("window-at-point did not find the demo terminal")
for line in "Hello from OrvaneScreenTool" "Screens hold text worth reading"; do
  answer_to ocr | grep -qF "\"text\":\"$line\"" || problems+=("ocr did not read \"$line\"")
done

if [ ${#problems[@]} -gt 0 ]; then
  tail -n 40 "$log"
  printf 'fresh root: %s\n' "${problems[@]}"
  echo "fresh root: FAILED"
  exit 1
fi
rm -f "$log"
echo "fresh root: scripts/run.sh works on a fresh $suite"
