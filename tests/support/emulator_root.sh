#!/bin/sh
# emulator_root.sh VIEWER EMULATOR DIR: puts beside an arm64 build what runs its viewer in a root
# that has no arm64 libraries and no emulator of its own (the testing root of the newest
# desktops): a copy of the static emulator in DIR, and the arm64 loader and the libraries VIEWER
# loads in DIR/emulator-root, the prefix the emulator finds them under (QEMU_LD_PREFIX).
set -eu
viewer=$1 emulator=$2 dir=$3
root=$dir/emulator-root
mkdir -p "$root/lib/aarch64-linux-gnu"
cp -L /lib/ld-linux-aarch64.so.1 "$root/lib/"
qemu-aarch64 /lib/ld-linux-aarch64.so.1 --list "$viewer" |
  sed -n 's/.*=> \(\/[^ ]*\) .*/\1/p' |
  while read -r library; do
    cp -L "$library" "$root/lib/aarch64-linux-gnu/"
  done
if [ -x "$emulator" ]; then
  cp "$emulator" "$dir/"
fi
