#!/usr/bin/env bash
# Installs what is missing, builds and starts mapsetdesk on its embedded
# default. Arguments are handed to the program.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${MAPSETDESK_JOBS:-$(nproc)}

# mapsetdesk is a Windows program: the i686 build runs under Wine in a private
# prefix inside the build folder (build/win/wine-gui). Without a display the
# main window opens in a private Xvfb, is photographed, and the picture's path
# is printed.
start_mapsetdesk() {
  local build=${MAPSETDESK_WIN_BUILD:-$root/build/win}
  cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
  cmake --build "$build" --target mapsetdesk -j "$jobs"
  if [ -z "${DISPLAY:-}" ]; then
    exec "$root/scripts/screenshot" "$build/mapsetdesk.exe"
  fi
  mkdir -p "$build/wine-gui/home"
  HOME="$build/wine-gui/home" WINEPREFIX="$build/wine-gui/prefix" WINEARCH=win64 \
    WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" exec wine "$build/mapsetdesk.exe" "$@"
}

"$root/scripts/install-deps.sh"
start_mapsetdesk "$@"
