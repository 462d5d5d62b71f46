#!/usr/bin/env bash
# Installs what is missing, builds and starts mapsetdesk on its embedded
# default data root. Arguments are handed to the program.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${MAPSETDESK_JOBS:-$(nproc)}

# What "start mapsetdesk" means, in this one place. Until the main window
# exists it is the command-line front end, natively, showing where its data
# lives. Then it becomes the Windows build (build/win, target mapsetdesk)
# started as: sh cmake/wine-run.sh build/win/wine build/win/mapsetdesk.exe,
# which uses that build's private Wine prefix.
start_mapsetdesk() {
  local build=${MAPSETDESK_NATIVE_BUILD:-$root/build/native}
  cmake -S "$root" -B "$build" >/dev/null
  cmake --build "$build" --target mapsetdesk-cli -j "$jobs"
  if [ $# -eq 0 ]; then
    set -- paths
  fi
  exec "$build/mapsetdesk-cli" "$@"
}

"$root/scripts/install-deps.sh"
start_mapsetdesk "$@"
