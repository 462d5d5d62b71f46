#pragma once
// What gmt.exe does for each of its command lines. Each returns the exit
// code; the output lines go to standard output.
#include "common/Faults.h"
#include "gmt/GmtOptions.h"

namespace mapsetdesk::standin {

// -S with a tile list: the mapset's TDB and overview source, and the batch
// and registry files, into the folder.
int joinTiles(const GmtOptions& options, const Faults& faults);
// -S with an image: one tile file per tile, its TYP files, and when the image
// holds one family, mapset.tdb, mapset.mp and mapset.mdx.
int splitImage(const GmtOptions& options, const Faults& faults);
// -G: one image per family, named after the image and the family ID.
int splitFamilies(const GmtOptions& options, const Faults& faults);
// -g: every subfile of the image as a file of its own.
int unpackImage(const GmtOptions& options, const Faults& faults);

}  // namespace mapsetdesk::standin
