#!/usr/bin/env bash
# Proof on a real file system: a loop-mounted ext2 image, linked as drive U: of the test
# prefix by scripts/test. After shredding a file, and after wiping the free space of the drive,
# a scan of the whole unmounted image must find no copy of the marker.
# Exit 77 (skipped) when the image is not there (no loop devices or not root).
set -uo pipefail
prefix=${1:?prefix}
bindir=${2:?bin dir}
proof=${3:?proof dir}
img="$proof/disk.img"
mnt="$proof/mnt"
export WINEPREFIX="$prefix" WINEDEBUG=-all
WINE=/usr/lib/wine/wine64

if ! mountpoint -q "$mnt" || [ ! -e "$prefix/dosdevices/u:" ]; then
  echo "SKIPPED: no loop-mounted proof image (needs root and loop devices)"
  exit 77
fi

marker="TAMBERLOCK-PROOF-MARKER-5c1f9e"
count() { grep -a -o "$1" "$img" | wc -l; }
remount() { sync; umount "$mnt" && mount -o loop "$img" "$mnt"; }
fail=0

# 1. A shredded file leaves no trace of its content.
name="confidential-budget-4711.txt"
yes "$marker" | head -c 2097152 > "$mnt/$name"
sync
umount "$mnt"; before=$(count "$marker"); names_before=$(count "$name"); mount -o loop "$img" "$mnt"
"$WINE" "$bindir/proof_driver.exe" shred "U:\\$name" || { echo "shredding through the program failed ($?)"; fail=1; }
sync; umount "$mnt"
after=$(count "$marker"); names_after=$(count "$name")
mount -o loop "$img" "$mnt"
echo "proof 1, shred: marker copies before $before, after $after; old file name found before $names_before, after $names_after" | tee "$proof/results.txt"
[ "$before" -gt 0 ] || { echo "the marker was never on the image"; fail=1; }
[ "$after" -eq 0 ] || fail=1
[ -e "$mnt/$name" ] && { echo "the file is still there"; fail=1; }

# 2. A free-space wipe removes deleted content.
marker2="TAMBERLOCK-DELETED-MARKER-88e2"
for i in 1 2 3; do yes "$marker2" | head -c 1048576 > "$mnt/deleted-$i.bin"; done
sync; rm -f "$mnt"/deleted-*.bin; sync
umount "$mnt"; before2=$(count "$marker2"); mount -o loop "$img" "$mnt"
"$WINE" "$bindir/proof_driver.exe" wipe U || { echo "the wipe failed"; fail=1; }
leftovers=$(find "$mnt" -maxdepth 1 -name '~Tamberlock*' | wc -l)
sync; umount "$mnt"; after2=$(count "$marker2"); mount -o loop "$img" "$mnt"
echo "proof 2, free-space wipe: deleted-marker copies before $before2, after $after2; work folders left $leftovers" | tee -a "$proof/results.txt"
[ "$before2" -gt 0 ] || { echo "the deleted marker was not on the image"; fail=1; }
[ "$after2" -eq 0 ] || fail=1
[ "$leftovers" -eq 0 ] || fail=1
exit $fail
