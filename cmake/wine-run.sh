#!/bin/sh
# Runs a program of the Windows build under Wine, headless, in a private
# 64-bit prefix: the 32-bit program then sees the registry through WOW64 as
# 32-bit programs do on 64-bit Windows. Nothing of the user's own Wine set-up
# or home folder is touched.
#
# usage: wine-run.sh WINE_FOLDER PROGRAM [ARGUMENTS...]
#   WINE_FOLDER holds the prefix and a stand-in home folder; the prefix is
#   made on first use.
set -eu

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
    wineboot -i >/dev/null 2>&1
    # No window system: Wine's null display driver instead of X11.
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    # No debugger for crashes: a crashing program ends at once with its
    # exception code, rather than waiting on a crash dialog nobody can see
    # or, now and then, reporting success once the debugger is done with it.
    for view in 32 64; do
      wine reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
        /v Debugger /f /reg:$view >/dev/null 2>&1
    done
    wineserver -w
  fi
) 9>"$folder/prefix.lock"

exec wine "$@"
