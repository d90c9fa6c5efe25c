#!/bin/bash
# Makes 32-bit Linux programs (Wine's 32-bit loader and server) runnable.
# Some kernels are booted with 32-bit emulation switched off ("Exec format error");
# there, i386 programs run through QEMU's user-mode emulator, registered with
# binfmt_misc. Bookworm's QEMU 7.2 ignores MAP_FIXED_NOREPLACE, which Wine needs
# for its address-space layout, so the emulator comes from the next Debian release
# (a static binary: nothing else of that release is installed).
set -euo pipefail

probe=/usr/lib/wine/wineserver32
if "$probe" --version >/dev/null 2>&1; then
    exit 0
fi

emulator=/usr/local/lib/tarvell/qemu-i386
binfmt=/proc/sys/fs/binfmt_misc
if [ ! -x "$emulator" ]; then
    echo "ia32: this kernel does not run 32-bit programs; installing QEMU's i386 emulator"
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    mkdir -p "$work/lists/partial" "$work/cache/archives/partial"
    echo "deb http://deb.debian.org/debian trixie main" >"$work/sources.list"
    apt_opts=(-o Dir::Etc::sourcelist="$work/sources.list" -o Dir::Etc::sourceparts=/dev/null
              -o Dir::State::Lists="$work/lists" -o Dir::Cache="$work/cache"
              -o APT::Sandbox::User=root)
    apt-get "${apt_opts[@]}" update -qq
    (cd "$work" && apt-get "${apt_opts[@]}" download -qq qemu-user)
    dpkg-deb -x "$work"/qemu-user_*.deb "$work/root"
    install -D -m 0755 "$work/root/usr/bin/qemu-i386" "$emulator"
fi

if [ ! -e "$binfmt/register" ]; then
    mount -t binfmt_misc binfmt_misc "$binfmt"
fi
if [ -e "$binfmt/qemu-i386" ]; then
    echo -1 >"$binfmt/qemu-i386"
fi
# i386 ELF executables and shared objects; F: the kernel keeps the emulator open.
echo ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'"$emulator"':F' \
    >"$binfmt/register"

if ! "$probe" --version >/dev/null 2>&1; then
    echo "ia32: 32-bit programs still cannot run on this machine" >&2
    exit 1
fi
echo "ia32: 32-bit programs run through $emulator"
