#!/bin/sh
# Runs a program of the Windows build under Wine, headless, in a private
# 64-bit prefix: the 32-bit program then sees the registry through WOW64 as
# 32-bit programs do on 64-bit Windows. Nothing of the user's own Wine set-up
# or home folder is touched.
#
# usage: wine-run.sh WINE_FOLDER PROGRAM [ARGUMENTS...]
#   WINE_FOLDER holds the prefix and a stand-in home folder; the prefix is
#   made on first use.
# MAPSETDESK_WINE names the Wine loader to use (default: wine).
set -eu

wine=${MAPSETDESK_WINE:-wine}

mkdir -p "$1/home"
folder=$(cd "$1" && pwd)
shift
unset DISPLAY WAYLAND_DISPLAY
export HOME="$folder/home"
export WINEPREFIX="$folder/prefix"
export WINEARCH=win64
export WINEDEBUG=-all
# No offer to install Mono or Gecko, which would need a window.
export WINEDLLOVERRIDES="mscoree,mshtml="

# One process makes the prefix while any other waits for it.
(
  flock 9
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    # A server may linger for a deleted prefix that stood at the same place;
    # the new one must not talk to it.
    mkdir -p "$WINEPREFIX"
    wineserver -k >/dev/null 2>&1 || true
    "$wine" wineboot -i >/dev/null 2>&1
    # No window system: Wine's null display driver instead of X11.
    "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    # A crashing program must end at once with its exception code. Wine's
    # debugger would wait on a crash dialog nobody can see, and without a
    # debugger entry Wine starts it anyway; an entry naming no program makes
    # the start fail, and the program ends.
    for view in 32 64; do
      "$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
        /v Debugger /d no-debugger /f /reg:$view >/dev/null 2>&1
    done
    wineserver -w
  fi
) 9>"$folder/prefix.lock"

exec "$wine" "$@"
