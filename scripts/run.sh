#!/usr/bin/env bash
# Installs what is missing, builds and starts mapsetdesk on its embedded
# default. Arguments are handed to the program.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${MAPSETDESK_JOBS:-$(nproc)}

# mapsetdesk is a 32-bit Windows program: the i686 build runs under Wine in a
# private prefix inside the build folder (wine-gui/). A kernel without 32-bit
# support (IA-32 emulation off) runs no 32-bit Wine; there the x86_64 build of
# the same program runs under Wine's 64-bit loader instead.
choose_build() {
  if wine --version >/dev/null 2>&1; then
    build=${MAPSETDESK_WIN_BUILD:-$root/build/win}
    toolchain=$root/cmake/mingw-i686.cmake
    wine=wine
  else
    echo "run.sh: this machine runs no 32-bit programs; starting the x86_64 build" >&2
    build=${MAPSETDESK_WIN64_BUILD:-$root/build/win64}
    toolchain=$root/cmake/mingw-x86_64.cmake
    wine=/usr/lib/wine/wine64
  fi
}

# A first run finds tiles to install: two tiles that mkgmap makes from the
# OSM files of the tests, with map numbers of their own, in C:\Maps\Sample of
# the prefix; the setting Dir points there unless it is set already.
prepare_prefix() {
  mkdir -p "$HOME"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$wine" wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
  local sample=$WINEPREFIX/drive_c/Maps/Sample
  if [ ! -d "$sample" ]; then
    make_sample_tiles "$sample"
  fi
  if ! "$wine" reg query 'HKCU\Software\ZORVAN' /v Dir >/dev/null 2>&1; then
    "$wine" reg add 'HKCU\Software\ZORVAN' /v Dir /t REG_SZ /d 'C:\Maps\Sample' /f >/dev/null 2>&1
  fi
  # The program must not join this session's Wine server, whose desktop has
  # no display.
  wineserver -w
}

make_sample_tiles() {
  local made=$1.new data=$root/tests/data
  rm -rf "$made"
  mkdir -p "$made"
  mkgmap --output-dir="$made" --code-page=1252 \
    --mapname=63290001 --description="Harz Nord" "$data/harz-nord.osm" \
    --mapname=63290002 --description="Harz Sued" "$data/harz-sued.osm" >"$made/mkgmap.log" 2>&1
  # Only the tiles: the program makes the TDB and the overview itself.
  find "$made" -type f ! -name '[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9].img' -delete
  mv "$made" "$1"
}

start_mapsetdesk() {
  choose_build
  cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" >/dev/null
  cmake --build "$build" --target mapsetdesk -j "$jobs"
  export HOME=$build/wine-gui/home WINEPREFIX=$build/wine-gui/prefix WINEARCH=win64
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  prepare_prefix
  # Without a display the main window opens in a private Xvfb, is
  # photographed, and the picture's path is printed.
  if [ -z "${DISPLAY:-}" ]; then
    # The first start in a fresh prefix takes Wine a while.
    MAPSETDESK_WINE=$wine MAPSETDESK_SCREENSHOT_WAIT=${MAPSETDESK_SCREENSHOT_WAIT:-300} \
      exec "$root/scripts/screenshot" "$build/mapsetdesk.exe"
  fi
  exec "$wine" "$build/mapsetdesk.exe" "$@"
}

"$root/scripts/install-deps.sh"
start_mapsetdesk "$@"
