#!/usr/bin/env bash
# A full disk, for real: a small tmpfs mounted in a mount namespace of this
# test alone (as root, or in a user namespace otherwise). On it, nothing the
# programs write may replace a good file with a short one or leave a partial
# or empty file behind, and every failure must be reported; on a read-only
# disk the writer names the refusal as such.
#
#   full_disk.sh CLI PLATFORM_TESTS
#
# Exits 77 (skipped) where no namespace can be made.
set -euo pipefail
cli=$(realpath "$1")
platform_tests=$(realpath "$2")

if [ "${FULL_DISK_INSIDE:-}" != 1 ]; then
  disk=$(mktemp -d)
  trap 'rmdir "$disk"' EXIT
  for unshare in "unshare -m" "unshare -Urm"; do
    if $unshare true 2>/dev/null; then
      FULL_DISK_INSIDE=1 $unshare "$0" "$cli" "$platform_tests" "$disk"
      exit
    fi
  done
  echo "no mount namespace can be made here: skipped"
  exit 77
fi

disk=$3
mount -t tmpfs -o size=512k tmpfs "$disk"
cd "$disk"
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8

failures=0
check() {  # $1: what; then a command that must succeed
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAIL: $what" >&2; failures=$((failures + 1)); fi
}
fill_disk() { cat /dev/zero >"$disk/filler" 2>/dev/null || true; }
free_disk() { rm -f "$disk/filler"; }
only_files() {  # the folder's files are exactly these
  [ "$(cd "$disk" && ls -A | grep -v '^filler$' | sort | tr '\n' ' ')" = "$*" ]
}

# A good picture and a good frame series, then a disk with no room left.
"$cli" chart --site 東京 --at "2000-01-01 21:00" --out sky.png
"$cli" chart --site 東京 --at "2000-01-01 21:00" --ticks 2 --frames frames
good_picture=$(md5sum <sky.png)
good_frame=$(md5sum <frames/frame-0001.png)
fill_disk

# Messages are kept in memory: the disk has no room for them.
set +e
err=$("$cli" chart --site 東京 --at "2024-08-12 21:00" --grid --names --out sky.png 2>&1)
status=$?
set -e
check "a picture on a full disk fails with status 1" [ "$status" = 1 ]
check "and says why" grep -q "No space left on device" <<<"$err"
check "and leaves the old picture as it was" [ "$(md5sum <sky.png)" = "$good_picture" ]

for picture in new.png new.svg new.pdf; do
  set +e
  "$cli" chart --site 東京 --at "2024-08-12 21:00" --grid --out "$picture" 2>/dev/null
  status=$?
  set -e
  check "a new $picture on a full disk fails with status 1" [ "$status" = 1 ]
done
check "and leaves no file behind" only_files "frames sky.png "

set +e
"$cli" chart --site 東京 --at "2024-08-12 21:00" --ticks 2 --frames frames 2>/dev/null
status=$?
set -e
check "frames on a full disk fail with status 1" [ "$status" = 1 ]
check "and leave the old frame as it was" [ "$(md5sum <frames/frame-0001.png)" = "$good_frame" ]
check "and leave no other file" [ "$(ls -A frames | tr '\n' ' ')" = "frame-0001.png frame-0002.png " ]

set +e
err=$("$cli" stars 2>&1 >stars.txt)
status=$?
set -e
check "standard output onto a full disk fails with status 1" [ "$status" = 1 ]
check "and says why" grep -q "cannot write to standard output: No space left on device" <<<"$err"
rm -f stars.txt

# The start file, through the window's own writer.
free_disk
check "the start file survives a full disk" env FULL_DISK_FOLDER="$disk" \
  "$platform_tests" --gtest_filter='StartFileOnAFullDisk.*' --gtest_brief=1

# A read-only disk holding a file: refused as read-only, not as not permitted.
read_only="$disk/read-only"
mkdir "$read_only"
mount -t tmpfs -o size=64k tmpfs "$read_only"
echo "an older file" >"$read_only/old.txt"
mount -o remount,ro "$read_only"
check "a read-only disk refuses as read-only" env READ_ONLY_FOLDER="$read_only" \
  "$platform_tests" --gtest_filter='WholeFileOnAReadOnlyDisk.*' --gtest_brief=1
umount "$read_only"
rmdir "$read_only"

cd /
umount "$disk"
[ "$failures" = 0 ] || { echo "$failures checks failed" >&2; exit 1; }
echo "full disk: all passed"
