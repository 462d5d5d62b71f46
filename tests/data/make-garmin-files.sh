#!/bin/sh
# Makes the real Garmin files the formats and cli suites check against, with
# mkgmap, from the small OSM files and the TYP source beside this script.
#
# usage: make-garmin-files.sh OUTPUT_FOLDER
#   OUTPUT_FOLDER/mapset  two tiles (63240001 with draw priority 27, 63240002
#                         with 22), the TDB osmmap.tdb (family 4711, product 3,
#                         series name "Harzkarte Süd" in Windows-1252), the
#                         overview osmmap.img, the index osmmap.mdx, a gmap
#                         package "Harz Familie.gmap" and gmapsupp.img
#   OUTPUT_FOLDER/typ     harz-typ.typ for family 4711
#   OUTPUT_FOLDER/families  gmapsupp.img of two families: 4711 (product 3, the
#                         two tiles of mapset/ and harz-typ.typ) and 4712
#                         (product 5, series name "Harz Zweite", tile
#                         63250001 made from harz-sued.osm into second/)
# The folder is made anew each run.
set -eu
# Java reads the arguments in the locale's encoding; without a UTF-8 locale
# (a bare CI environment) the names with umlauts arrive as "S??d".
export LC_ALL=C.UTF-8

here=$(cd "$(dirname "$0")" && pwd)
out=$1
rm -rf "$out"
mkdir -p "$out/mapset" "$out/typ" "$out/families"

mkgmap --output-dir="$out/mapset" --code-page=1252 \
  --family-id=4711 --product-id=3 \
  --family-name="Harz Familie" --series-name="Harzkarte Süd" \
  --area-name="Harzkarte Süd Übersicht" \
  --tdbfile --index --gmapi --gmapsupp \
  --draw-priority=27 --mapname=63240001 --description="Nordteil" "$here/harz-nord.osm" \
  --draw-priority=22 --mapname=63240002 --description="Südteil" "$here/harz-sued.osm" \
  > "$out/mapset.log" 2>&1

mkgmap --output-dir="$out/typ" --family-id=4711 "$here/harz-typ.txt" > "$out/typ.log" 2>&1

mkgmap --output-dir="$out/families/second" --code-page=1252 \
  --family-id=4712 --product-id=5 --family-name="Harz Zwei" --series-name="Harz Zweite" \
  --mapname=63250001 --description="Zweite" "$here/harz-sued.osm" > "$out/second.log" 2>&1

mkgmap --output-dir="$out/families" --code-page=1252 --gmapsupp \
  --family-id=4711 --product-id=3 --family-name="Harz Familie" --series-name="Harzkarte Süd" \
  "$out/mapset/63240001.img" "$out/mapset/63240002.img" "$out/typ/harz-typ.typ" \
  --family-id=4712 --product-id=5 --family-name="Harz Zwei" --series-name="Harz Zweite" \
  "$out/families/second/63250001.img" > "$out/families.log" 2>&1

# mkgmap reports some failures only in its log; the files are the proof.
for file in mapset/osmmap.tdb mapset/osmmap.img mapset/osmmap.mdx mapset/63240001.img \
    mapset/63240002.img mapset/gmapsupp.img "mapset/Harz Familie.gmap/Info.xml" \
    typ/harz-typ.typ families/second/63250001.img families/gmapsupp.img; do
  if [ ! -s "$out/$file" ]; then
    echo "mkgmap did not make $file; see the logs in $out" >&2
    exit 1
  fi
done
