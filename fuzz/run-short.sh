#!/bin/sh
# Builds the libFuzzer targets with clang and runs each for a while, seeded
# with real Garmin files that mkgmap makes. Without clang it says so and
# succeeds: the fuzz targets are an extra, not a requirement of the build.
#
# usage: fuzz/run-short.sh BUILD_FOLDER [SECONDS]
#   SECONDS per target, 5 unless given. Exits non-zero when a target crashes
#   or a sanitizer reports; the crashing input is left in BUILD_FOLDER/crashes.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
build=$1
seconds=${2:-5}

compiler=$(command -v clang++ || command -v clang++-14 || true)
if [ -z "$compiler" ]; then
  echo "fuzz: no clang, fuzz targets not run"
  exit 0
fi

cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER="$compiler" \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 >/dev/null

seeds="$build/seeds"
if [ ! -d "$seeds/mapset" ] && command -v mkgmap >/dev/null 2>&1; then
  sh "$here/../tests/data/make-garmin-files.sh" "$seeds"
fi

# Each target gets its own corpus, started from the mkgmap files it reads.
seed() {
  corpus="$build/corpus/$1"
  mkdir -p "$corpus"
  shift
  for file in "$@"; do
    [ -f "$file" ] && cp "$file" "$corpus/"
  done
  return 0
}
seed fuzz_tdb_header "$seeds"/mapset/osmmap.tdb "$seeds"/typ/osmmap.tdb
seed fuzz_tdb_blocks "$seeds"/mapset/osmmap.tdb "$seeds"/typ/osmmap.tdb
seed fuzz_tre_search "$seeds"/mapset/63240001.img "$seeds"/mapset/gmapsupp.img \
  "$seeds/mapset/Harz Familie.gmap/Product3/63240001/63240001.TRE"
seed fuzz_info_xml "$seeds/mapset/Harz Familie.gmap/Info.xml"
seed fuzz_mdx "$seeds"/mapset/osmmap.mdx
seed fuzz_img_container "$seeds"/mapset/63240001.img "$seeds"/families/gmapsupp.img
seed fuzz_gmt_operations "$seeds"/mapset/63240001.img "$seeds"/families/gmapsupp.img
# The crafted images the tests refuse: repeated and overlapping blocks, an
# absurd size, a duplicate name, a damaged product list, a tile left out.
if [ -f "$seeds"/families/gmapsupp.img ]; then
  "$build"/crafted_seeds "$seeds"/families/gmapsupp.img "$build/corpus/fuzz_gmt_operations"
fi
# The TDB's blocks are built as the product list's are.
seed fuzz_mps "$seeds"/mapset/osmmap.tdb
seed fuzz_overview_map "$seeds"/mapset/osmmap.img "$here"/../tests/data/overview-harz.mp

mkdir -p "$build/crashes"
status=0
for target in fuzz_tdb_header fuzz_tdb_blocks fuzz_tre_search fuzz_info_xml fuzz_mdx \
    fuzz_img_container fuzz_gmt_operations fuzz_mps fuzz_overview_map; do
  if ! "$build/$target" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$build/crashes/$target-" "$build/corpus/$target" \
      >"$build/$target.log" 2>&1; then
    echo "fuzz: $target failed, see $build/$target.log" >&2
    status=1
  else
    runs=$(grep -m1 'stat::number_of_executed_units' "$build/$target.log" | tr -s ' ')
    echo "fuzz: $target $runs in ${seconds}s"
  fi
done
exit $status
