// A stand-in for gmt.exe, the map tool the installation runs, for tests. It
// accepts exactly the command lines the program builds and writes real
// files: a TDB with tile blocks read from the tiles' TRE headers and a
// correct checksum, an overview source, tile and family images, unpacked
// subfiles. MAPSETDESK_GMT_FAULT makes it fail (see common/Faults.h).
#include "app/messages/ToolRunnerTexts.h"
#include "common/Faults.h"
#include "gmt/GmtActions.h"

int main(int argc, char** argv) {
  using namespace mapsetdesk::standin;
  say(std::string(mapsetdesk::kGmtBanner));
  const auto options = parseGmtOptions(argc, argv);
  if (!options) {
    say("usage: gmt -S|-G|-g ... (see the stand-in's GmtOptions.h)");
    return 2;
  }
  const Faults faults(kGmtFault);
  switch (options->mode) {
    case 'S':
      return options->list.empty() ? splitImage(*options, faults) : joinTiles(*options, faults);
    case 'G':
      return splitFamilies(*options, faults);
    default:
      return unpackImage(*options, faults);
  }
}
