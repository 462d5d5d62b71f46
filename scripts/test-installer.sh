#!/usr/bin/env bash
# Builds mapsetdesk-setup.exe and the win32 zip from the i686 build and tests
# the setup program under Wine in a fresh 64-bit prefix: a silent install
# (/S) puts every file in place with its Start-menu entry and its entry in the
# list of installed programs; the installed program starts and shows its main
# window (photographed); a silent uninstall leaves no installed file and
# keeps the user's settings and a file the user put into the program folder.
#
# usage: scripts/test-installer.sh [I686_BUILD]   (default: build/win)
#
# The setup program and mapsetdesk.exe are 32-bit. Where the kernel runs no
# 32-bit programs and the script runs as root, qemu-user runs Wine's 32-bit
# half (binfmt_misc), registered for the run and removed afterwards; each
# 32-bit start then takes about a minute, so the test makes four: setup, the
# program, and the uninstaller with the copy of itself it runs. Where neither
# can work (no root, no binfmt_misc) the test ends with exit code 3 and says
# why; every other failure is exit code 1.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-${MAPSETDESK_WIN_BUILD:-$root/build/win}}")
wine64=/usr/lib/wine/wine64
started=$SECONDS

fail() {
  echo "test-installer: FAILED: $*" >&2
  exit 1
}

# The machine, not the program, stops the test: exit 3, which the test run
# reports as a test not run.
unable() {
  echo "test-installer: NOT RUN: $*" >&2
  exit 3
}

# shellcheck source=scripts/qemu-i386.sh
. "$root/scripts/qemu-i386.sh"

step() {
  echo "=== test-installer: $* ($((SECONDS - started)) s)"
}

# reg.exe of the 64-bit half, so that no 32-bit process starts for it.
reg64() {
  "$wine64" reg "$@"
}

# One value as reg prints it: "    NAME    REG_TYPE    DATA".
reg_value() {
  reg64 query "$1" /v "$2" "${@:3}" 2>/dev/null | tr -d '\r' |
    awk -v name="$2" '$1 == name { $1 = ""; $2 = ""; sub(/^ +/, ""); print; exit }'
}

expect_value() {
  local actual
  actual=$(reg_value "$1" "$2" "${@:4}")
  [ "$actual" = "$3" ] || fail "$1 $2 is '$actual', expected '$3'"
}

step "building the package"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null &&
  cmake --build "$build" --target package_windows >/dev/null ||
  fail "building the package_windows target in $build failed"
version=$(grep -m1 '^CMAKE_PROJECT_VERSION:' "$build/CMakeCache.txt" | cut -d= -f2)
setup=$build/mapsetdesk-setup.exe
zip=$build/mapsetdesk-$version-win32.zip
stage=$build/package/mapsetdesk-$version
[ -f "$setup" ] && [ -f "$zip" ] && [ -d "$stage" ] || fail "the package was not made"
mapfile -t files < <(cd "$stage" && find . -type f | sed 's#^\./##' | sort)

step "the zip holds the same files"
zipped=$(cmake -E tar tf "$zip" | grep -v '/$' | sed "s#^mapsetdesk-$version/##" | sort)
[ "$zipped" = "$(printf '%s\n' "${files[@]}")" ] || fail "the zip's files differ from the setup's"

trap disable_32bit EXIT
enable_32bit
step "32-bit programs run: $runner"

folder=$build/installer-test
rm -rf "$folder"
mkdir -p "$folder/home"
export HOME=$folder/home WINEPREFIX=$folder/prefix WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset WAYLAND_DISPLAY

step "making a fresh prefix"
"$wine64" wineboot -i >/dev/null 2>&1
wineserver -w
zorvan='HKCU\Software\ZORVAN'
reg64 add "$zorvan" /v Wow64 /t REG_SZ /d wahr /f >/dev/null
reg64 add "$zorvan" /v Language /t REG_SZ /d Eng /f >/dev/null

step "silent install"
"$wine32" "$setup" /S >/dev/null 2>&1 || fail "the setup program failed"
wineserver -w
installed=$WINEPREFIX/drive_c/Program\ Files\ \(x86\)/mapsetdesk
for file in "${files[@]}"; do
  cmp -s "$stage/$file" "$installed/$file" || fail "$file is not installed as packed"
done
[ -f "$installed/uninstall.exe" ] || fail "no uninstall.exe"
menu=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/mapsetdesk
[ -f "$menu/mapsetdesk.lnk" ] || fail "no Start-menu entry"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\mapsetdesk'
expect_value "$uninstall_key" DisplayName mapsetdesk /reg:32
expect_value "$uninstall_key" DisplayVersion "$version" /reg:32
expect_value "$uninstall_key" Publisher ZORVAN /reg:32
expect_value "$uninstall_key" UninstallString \
  '"C:\Program Files (x86)\mapsetdesk\uninstall.exe"' /reg:32
size=$(reg_value "$uninstall_key" EstimatedSize /reg:32)
[ "$((size))" -gt 1000 ] || fail "EstimatedSize is '$size'"

step "the installed mkgmap.jar compiles an overview with its libraries beside it"
compiled=$folder/mkgmap-run
mkdir -p "$compiled"
(cd "$compiled" && java -jar "$installed/mkgmap.jar" --output-dir=. \
  "$root/tests/data/overview-harz.mp" >mkgmap.log 2>&1) || fail "mkgmap.jar did not run"
[ -s "$compiled/63240001.img" ] || fail "mkgmap.jar made no overview"

step "the installed program shows its main window"
# A Wine server of the headless steps before would give the program a
# desktop without display.
wineserver -w
MAPSETDESK_WINE=$wine64 MAPSETDESK_WINE_FOLDER=$folder MAPSETDESK_SCREENSHOT_WAIT=600 \
  DISPLAY= "$root/scripts/screenshot" "$installed/mapsetdesk.exe" "$build/installed-mapsetdesk.png" ||
  fail "the installed program showed no main window"
wineserver -w

step "silent uninstall"
# A file of the user's own in the program folder is not the installer's.
echo "the user's" >"$installed/BIN/notes.txt"
"$wine32" "$installed/uninstall.exe" /S >/dev/null 2>&1 || fail "the uninstaller failed"
# The uninstaller runs a copy of itself from the temporary folder and ends.
wineserver -w
for file in "${files[@]}" uninstall.exe; do
  [ ! -e "$installed/$file" ] || fail "$file is left after uninstalling"
done
left=$(cd "$installed" && find . | sort | tr '\n' ' ')
[ "$left" = ". ./BIN ./BIN/notes.txt " ] || fail "after uninstalling the program folder holds: $left"
[ ! -e "$menu" ] || fail "the Start-menu entry is left after uninstalling"
! reg64 query "$uninstall_key" /reg:32 >/dev/null 2>&1 || fail "the uninstall entry is left"
expect_value "$zorvan" Wow64 wahr
expect_value "$zorvan" Language Eng

step "passed: $build/installed-mapsetdesk.png"
