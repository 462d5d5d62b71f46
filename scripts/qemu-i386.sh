# Sourced by the scripts that start 32-bit Windows programs under Wine. Where
# the kernel runs no 32-bit programs and the script runs as root, qemu-user
# runs Wine's 32-bit half (binfmt_misc), registered for the run and removed
# afterwards. The sourcing script defines fail (a fault: exit 1) and unable
# (the machine cannot: exit 3).

binfmt=/proc/sys/fs/binfmt_misc
qemu_entry=qemu-i386
wine32=/usr/lib/wine/wine

runs_32bit() {
  "$wine32" --version >/dev/null 2>&1
}

# Registers qemu for 32-bit x86 ELF programs when nothing runs them yet.
# runner: "native" when they run already, "qemu" when this script made them.
runner=""
enable_32bit() {
  if runs_32bit; then
    runner=native
    return
  fi
  [ "$(id -u)" -eq 0 ] ||
    unable "this machine runs no 32-bit programs and only root can register qemu-user for them"
  [ -x /usr/bin/qemu-i386-static ] ||
    fail "this machine runs no 32-bit programs and qemu-user-static is not installed"
  [ -e "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt" ||
    unable "this machine runs no 32-bit programs and binfmt_misc cannot be mounted"
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
    >"$binfmt/register" || unable "registering qemu-user for 32-bit programs failed"
  runner=qemu
  runs_32bit || fail "32-bit Wine does not start even under qemu-user"
}

disable_32bit() {
  if [ "$runner" = qemu ] && [ -e "$binfmt/$qemu_entry" ]; then
    echo -1 >"$binfmt/$qemu_entry"
  fi
}
