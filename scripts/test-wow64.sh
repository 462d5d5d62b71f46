#!/usr/bin/env bash
# Runs the WOW64 cases of the 32-bit Windows build (the tests/*/wow64/
# folders: the registry as a 32-bit program on 64-bit Windows sees it) under
# Wine. The program users get is the 32-bit one, so every test run covers
# these cases, also where the kernel runs no 32-bit programs: there qemu-user
# runs them, which makes each 32-bit start slow, so only these cases run.
#
# usage: scripts/test-wow64.sh [I686_BUILD]   (default: build/win, built)
# Exit code 0 passed, 1 failed, 3 this machine cannot start 32-bit programs.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:-${MAPSETDESK_WIN_BUILD:-$root/build/win}}")

fail() {
  echo "test-wow64: FAILED: $*" >&2
  exit 1
}

unable() {
  echo "test-wow64: NOT RUN: $*" >&2
  exit 3
}

# shellcheck source=scripts/qemu-i386.sh
. "$root/scripts/qemu-i386.sh"

# The test programs that hold WOW64 cases, and a filter naming their suites
# (plain and parameterised).
suites=()
filter=()
for folder in "$root"/tests/*/wow64; do
  suites+=("$(basename "$(dirname "$folder")")")
  while read -r name; do
    filter+=("$name.*" "*/$name.*")
  done < <(grep -ohE '^TEST(_F|_P)?\(\s*[A-Za-z0-9_]+' "$folder"/*.cpp | sed -E 's/.*\(\s*//' | sort -u)
done
[ "${#filter[@]}" -gt 0 ] || fail "no WOW64 case found below tests/*/wow64"

trap disable_32bit EXIT
enable_32bit
echo "=== test-wow64: 32-bit programs run: $runner; suites: ${suites[*]}"

pattern="^(garmin_files|$(IFS='|'; echo "${suites[*]}"))\$"
GTEST_FILTER=$(IFS=':'; echo "${filter[*]}") \
  ctest --test-dir "$build" --output-on-failure --timeout 3600 -j1 -R "$pattern" ||
  fail "a WOW64 case failed"
# A filter that matched nothing would pass without running a case.
! grep -q 'Running 0 tests' "$build/Testing/Temporary/LastTest.log" ||
  fail "a test program ran none of the WOW64 cases"
