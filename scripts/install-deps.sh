#!/bin/sh
# Installs with apt-get what building, testing and running mapsetdesk need on
# Debian 12, and only what is missing: a second run changes nothing.
set -eu

packages="cmake make g++ googletest libgtest-dev zlib1g-dev g++-mingw-w64-i686
  g++-mingw-w64-x86-64 wine wine64 wine32:i386 mkgmap openjdk-17-jre-headless nsis qemu-user-static
  xvfb xauth x11-utils imagemagick sox clang libclang-rt-14-dev libcli11-dev nlohmann-json3-dev"

if [ "$(id -u)" -eq 0 ]; then
  as_root=""
else
  as_root="sudo"
fi

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q ' installed$'
}

missing=""
for package in $packages; do
  installed "$package" || missing="$missing $package"
done
if [ -z "$missing" ]; then
  exit 0
fi

# The 32-bit half of Wine runs the 32-bit Windows build.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $as_root dpkg --add-architecture i386
fi
echo "installing:$missing"
$as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
# shellcheck disable=SC2086 # one word per package
$as_root env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -q --no-install-recommends $missing
