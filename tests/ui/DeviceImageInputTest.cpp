// A device image chosen in the main window that the run cannot take: a file
// that is missing, a folder, empty, cut short or no IMG file is named in a
// message before anything is made; an image without families falls back to
// its tiles with the selection list usable again.
#include "app/ProductTitle.h"
#include "app/messages/InputFileTexts.h"
#include "ui/TileInstallFixture.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

class DeviceImageInput : public TileInstallFixture {
 protected:
  std::string image() const { return tile("gmapsupp.img"); }
  std::string realImage() const { return readFile(mapsets.root() / "families" / "gmapsupp.img"); }
};

TEST_F(DeviceImageInput, ARefusedImageIsNamedAndNothingIsCreated) {
  const std::string whole = realImage();
  struct Case {
    const char* what;
    InputFault fault;
    std::function<void()> make;
  };
  const fs::path path = filePath(image());
  const Case cases[] = {
      {"missing", InputFault::Missing, [] {}},
      {"empty", InputFault::Empty, [&] { writeFile(path, ""); }},
      {"cut short", InputFault::NotImg, [&] { writeFile(path, whole.substr(0, whole.size() / 2)); }},
      {"a folder", InputFault::NotAFile, [&] { fs::create_directories(path / "inside"); }},
      {"text", InputFault::NotImg, [&] { writeFile(path, "no device image"); }},
  };
  ui::fMain& main = startSelection();
  ASSERT_TRUE(drop(main.List1, {image()}));
  for (const Case& each : cases) {
    SCOPED_TRACE(each.what);
    fs::remove_all(path);
    each.make();
    ASSERT_TRUE(click(main.Command1));
    expectMessage(deviceImageFaultText(Sprache::English, each.fault) + image(), "ZORVAN");
    EXPECT_FALSE(fs::exists(karten() / "SplittMaps"));
    EXPECT_TRUE(main.List1.enabled);
    EXPECT_TRUE(main.Command1.enabled);
  }
}

TEST_F(DeviceImageInput, AnImageWithoutFamiliesLeavesItsTilesSelectableInTheList) {
  ScopedEnvironment fault("MAPSETDESK_GMT_FAULT", "no-family");
  writeFile(filePath(image()), realImage());
  ui::fMain& main = startSelection();
  ASSERT_TRUE(drop(main.List1, {image()}));
  ASSERT_TRUE(click(main.Command1));
  expectMessage(text("Fehler36"), std::string(kTitleWithVersion));
  EXPECT_EQ(main.Dir1.path(), pathText(karten() / "SplittMaps"));
  EXPECT_TRUE(main.List1.enabled) << "the person goes on with the tiles";
  EXPECT_TRUE(main.Command1.enabled);
}

}  // namespace
}  // namespace mapsetdesk::testing
