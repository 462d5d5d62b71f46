#!/usr/bin/env bash
# Builds mapsetdesk natively and as the 32-bit Windows program and runs both
# test runs: the native suites, then the Windows suites under Wine. Both parts
# always run; the exit status is non-zero when any part failed.
#
# Build folders: build/native, build/win and build/win64, or
# MAPSETDESK_NATIVE_BUILD, MAPSETDESK_WIN_BUILD and MAPSETDESK_WIN64_BUILD.
# Parallel jobs: MAPSETDESK_JOBS, else one per core.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
native_build=${MAPSETDESK_NATIVE_BUILD:-$root/build/native}
win_build=${MAPSETDESK_WIN_BUILD:-$root/build/win}
win64_build=${MAPSETDESK_WIN64_BUILD:-$root/build/win64}
jobs=${MAPSETDESK_JOBS:-$(nproc)}

"$root/scripts/install-deps.sh" || {
  echo "test.sh: installing the dependencies failed" >&2
  exit 1
}

summary=()
failures=()
failed=0

# run_part LABEL BUILD_FOLDER CTEST_JOBS [CMAKE_ARGUMENTS...]
# CTEST_JOBS 0 builds without running the tests.
run_part() {
  local label=$1 build=$2 test_jobs=$3
  shift 3
  local started=$SECONDS result
  echo "=== $label: configure and build"
  if ! cmake -S "$root" -B "$build" "$@" || ! cmake --build "$build" -j "$jobs"; then
    result="build failed"
    failed=1
  elif [ "$test_jobs" -eq 0 ]; then
    result="built, tests not run"
  else
    echo "=== $label: tests"
    local log="$build/ctest-output.txt"
    ctest --test-dir "$build" --output-on-failure --timeout 900 -j "$test_jobs" 2>&1 | tee "$log"
    local status=${PIPESTATUS[0]}
    result=$(grep -E '^[0-9]+% tests passed' "$log" || echo "no test result")
    if [ "$status" -ne 0 ]; then
      # The failed assertions, repeated at the end: a long log may be read
      # only at its start and end.
      failures+=("--- $label" "$(grep -E -A8 ': Failure|^\[  FAILED  \]|\*\*\*(Failed|Timeout|Exception)' "$log" | head -80)")
      # A failed test program runs once more on its own, so that a fault of
      # the machine (a Wine start under load) is told apart from a fault of
      # the program; both runs are reported.
      echo "=== $label: the failed tests once more"
      if ctest --test-dir "$build" --output-on-failure --timeout 900 --rerun-failed 2>&1 | tee "$log.again"; then
        result="$result; passed when run again: $(grep -oE '^[[:space:]]*[0-9]+ - [^ ]+' "$log" | awk '{print $3}' | paste -sd' ')"
      else
        failed=1
      fi
    fi
  fi
  summary+=("$label: $result ($((SECONDS - started)) s)")
  echo "$label: $result"
}

run_part "native" "$native_build" "$jobs"
# One test program at a time: they share the prefix's registry. Some kernels
# run no 32-bit programs at all (IA-32 emulation switched off): there the
# 32-bit program is built and its WOW64 cases run under qemu-user, and the
# other Windows suites run in the 64-bit build.
if wine --version >/dev/null 2>&1; then
  run_part "windows (wine)" "$win_build" 1 \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
  WINEPREFIX="$win_build/wine/prefix" wineserver -w 2>/dev/null
else
  echo "=== this machine runs no 32-bit programs: the Windows suites run in the 64-bit build"
  run_part "windows i686" "$win_build" 0 \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
  echo "=== windows i686: the WOW64 cases under qemu-user"
  wow64_started=$SECONDS
  "$root/scripts/test-wow64.sh" "$win_build"
  case $? in
    0) summary+=("windows i686 WOW64 cases: passed ($((SECONDS - wow64_started)) s)") ;;
    3) summary+=("windows i686 WOW64 cases: not run, this machine cannot start 32-bit programs") ;;
    *) summary+=("windows i686 WOW64 cases: FAILED ($((SECONDS - wow64_started)) s)"); failed=1 ;;
  esac
  WINEPREFIX="$win_build/wine/prefix" wineserver -w 2>/dev/null
  run_part "windows x86_64 (wine64)" "$win64_build" 1 \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake"
  WINEPREFIX="$win64_build/wine/prefix" wineserver -w 2>/dev/null
fi

# The readers of Garmin files under libFuzzer, a few seconds each (clang only).
echo "=== fuzz"
fuzz_started=$SECONDS
if "$root/fuzz/run-short.sh" "${MAPSETDESK_FUZZ_BUILD:-$root/build/fuzz}" 5; then
  summary+=("fuzz: no crash ($((SECONDS - fuzz_started)) s)")
else
  summary+=("fuzz: FAILED ($((SECONDS - fuzz_started)) s)")
  failed=1
fi

# The setup program, installed and removed under Wine. Its 32-bit processes
# may need qemu-user, which makes every 32-bit start slow, so it runs last.
echo "=== installer"
installer_started=$SECONDS
"$root/scripts/test-installer.sh" "$win_build"
case $? in
  0) summary+=("installer: passed ($((SECONDS - installer_started)) s)") ;;
  3) summary+=("installer: not run, this machine cannot start 32-bit programs") ;;
  *) summary+=("installer: FAILED ($((SECONDS - installer_started)) s)"); failed=1 ;;
esac

if [ "${#failures[@]}" -gt 0 ]; then
  echo "=== failed tests of the first runs"
  printf '%s\n' "${failures[@]}"
fi
echo "=== summary"
printf '%s\n' "${summary[@]}"
if [ "$failed" -eq 0 ]; then
  echo "all tests passed"
else
  echo "FAILED"
fi
exit "$failed"
