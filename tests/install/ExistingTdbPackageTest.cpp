// The package from an existing mapset when a copy or the Info.xml write
// fails half-way: no package is left, and the text names the failed step.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/messages/MessageCatalogue.h"
#include "app/messages/PackageStepTexts.h"
#include "install/ExistingTdbPackage.h"
#include "platform/FilePath.h"
#include "support/ExistingMapsetFiles.h"
#include "support/ProgramHarness.h"
#include "support/Standins.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

ExistingMapset existingMapset(const ExistingFiles& files) {
  ExistingMapset mapset;
  mapset.tiles = files.tiles;
  mapset.tdb = files.tdb;
  mapset.overview = files.overview;
  mapset.typ = files.typ;
  mapset.index = files.index;
  mapset.name = "Karte";
  mapset.fid = 4711;
  mapset.pid = 3;
  return mapset;
}

TEST(ExistingTdbPackage, AFailedCopyOrInfoXmlLeavesNoPackageAndNamesTheStep) {
  ExistingMapsetFiles files;
  ASSERT_TRUE(files.available()) << "run through ctest, which makes the mkgmap files";
  ProgramHarness program;
  installStandins(program.folder / "program");
  const ExistingMapset mapset = existingMapset(
      files.make(program.folder / "karte", "Karte", 4711, 3, {.typ = true, .index = true}));
  MessageCatalogue catalogue;
  catalogue.fill(Sprache::English);
  const PackageStepTexts texts = packageStepTexts(Sprache::English);
  const std::string maps = pathText(program.folder / "Maps");
  const fs::path package = program.folder / "Maps" / "Karte.gmap";
  const std::string infoXml = pathText(package / "Info.xml");

  struct Case {
    std::string failing;  // the source of the copy, or the file written, that fails
    PackageStep step;
    std::string text;
  };
  const Case cases[] = {
      {mapset.index, PackageStep::IndexNotCopied, texts.notCopied + mapset.index},
      {mapset.typ, PackageStep::TypNotCopied, texts.notCopied + mapset.typ},
      {mapset.tdb, PackageStep::TdbNotCopied, texts.notCopied + mapset.tdb},
      {infoXml, PackageStep::InfoXmlNotWritten, catalogue.text("Fehler43") + infoXml},
  };
  for (const Case& each : cases) {
    SCOPED_TRACE(each.failing);
    PackageRun run{program.runner, program.services.programFolder, maps};
    run.copyFile = [&each](const std::string& from, const std::string& to) {
      return from != each.failing && copyFileOver(from, to);
    };
    run.writeFile = [&each](const std::string& path, std::string_view content) {
      return path != each.failing && replaceFile(path, content);
    };
    const PackageBuilt built = gmapTDBvorhandenErzeugen(mapset, run);
    EXPECT_EQ(built.step, each.step);
    EXPECT_FALSE(fs::exists(package));
    EXPECT_EQ(packageFailureText(built, catalogue), each.text + texts.removedAgain);
  }

  const PackageBuilt built =
      gmapTDBvorhandenErzeugen(mapset, {program.runner, program.services.programFolder, maps});
  EXPECT_TRUE(built.complete());
  EXPECT_EQ(built.tileBlocks, 2);
  EXPECT_TRUE(fs::exists(package / "Info.xml"));
  EXPECT_EQ(packageFailureText(built, catalogue), "");
}

}  // namespace
}  // namespace mapsetdesk::testing
