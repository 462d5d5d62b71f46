#pragma once
// The device-image run: a gmapsupp.img split by family with gmt into the
// folder "SplittMaps" beside it; each family's TDB, overview source, index,
// TYP files and tiles extracted into a subfolder of its own, the overview
// compiled, and the family handed to the window for an existing TDB, one
// after the other. When the image yields no family file, its tiles become an
// ordinary tile selection instead.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/Services.h"
#include "app/Session.h"
#include "app/ToolWindow.h"

namespace mapsetdesk {

// One family's files as the run fills them into the registration window.
struct FamilyFiles {
  std::string folder;   // the family's subfolder: its tile folder
  std::string overview; // mapset.img
  std::string tdb;      // mapset.tdb
  std::string index;    // mapset.mdx when extracted
  std::string typ;      // the last TYP file of the folder, when any
  bool withTrf = false; // a traffic file lies there
  // Set when the person chose a free FID over the family's own.
  std::optional<std::uint16_t> freeFid;
};

// What the run needs from the windows (the main window, or the command line).
class DeviceImageView {
 public:
  virtual ~DeviceImageView() = default;
  virtual void showReport(const std::string& text) = 0;
  virtual ToolWindow& toolWindow() = 0;
  // The wait window with its hourglass, or none.
  virtual void showWorking(bool shown) = 0;
  // The free FID of the catalogue as it stands now.
  virtual std::optional<std::uint16_t> freeFid() = 0;
  // Opens the registration window filled with the family and returns once
  // the person has closed it.
  virtual void registerFamily(const FamilyFiles& family) = 0;
  // A family could not be handed over (no TDB or no overview extracted): the
  // way to the next mapset opens, and the run goes on with the next family.
  virtual void familyFailed() = 0;
  // The fall-back: the tiles of the split folder become the tile selection.
  virtual void selectTiles(const std::string& folder, const std::vector<std::string>& tiles) = 0;
};

enum class DeviceImageOutcome {
  ImageRefused, // the image is missing, a folder, empty, no IMG file, damaged, or its
                // product list leaves tiles out: nothing changed
  Declined,     // SplittMaps existed and the person said No: nothing changed
  SplitRefused, // SplittMaps is a link or holds an installed mapset's files: nothing
                // was deleted
  TileSelection,// no family file: the image's tiles were offered as tiles
  Integrated,   // every family file was handled
};

struct DeviceImageRun {
  DeviceImageOutcome outcome = DeviceImageOutcome::Declined;
  int families = 0;    // family files found
  int registered = 0;  // families handed to the registration window
};

// `gmapsuppsplitten` on the image at path.
DeviceImageRun gmapsuppsplitten(Services& services, Session& session, DeviceImageView& view,
                                const std::string& image);

// The fall-back's tile list: files of the folder, in name order, whose base
// name is all digits and whose extension is exactly "img".
std::vector<std::string> splitTiles(const std::string& folder);

}  // namespace mapsetdesk
