// rename and typ of the command-line front end over a mapset that register
// installed from mkgmap's files.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/messages/CatalogueTexts.h"
#include "app/messages/TdbTexts.h"
#include "formats/TdbHeader.h"
#include "formats/TypHeader.h"
#include "platform/Platform.h"
#include "platform/RegistryOps.h"
#include "cli/posix/RegisteredMapsetCommands.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

const std::string kFamily =
    "SOFTWARE\\Garmin\\MapSource\\Families\\Harzkarte_S\xC3\xBC"
    "4711";

std::string german(const std::string& key) {
  return catalogueTexts(Sprache::Deutsch).messages.find(key)->second;
}

class RenameTypCommands : public RegisteredMapsetCommands {
 protected:
  RenameTypCommands() : RegisteredMapsetCommands("Harzkarte Süd") {}

  std::string hklm(const std::string& key, const std::string& name) {
    PlatformOptions options;
    options.dataRoot = home.str();
    return fRegAbfrageWert(*openSystemRegistry(options), Root::LocalMachine, key, name);
  }
};

TEST_F(RenameTypCommands, RenamePrintsTheWindowsMessagesAndRenamesTheTdb) {
  const TdbTexts texts = tdbTexts(Sprache::Deutsch);
  const ProgramRun run = cli({"rename", "4711:3", "Harz Neu"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, texts.backupCreated + mapset.tdb + "-BAK\n" + texts.nameChanged + "\n");
  EXPECT_EQ(readTdbHeader(mapset.tdb).header.name, "Harz Neu");
  EXPECT_TRUE(ExistingMapsetFiles::checksumHolds(mapset.tdb));
}

TEST_F(RenameTypCommands, RenameRefusesASpecialCharacterAnUnknownMapsetAndBadUsage) {
  const std::string before = readFile(filePath(mapset.tdb));
  const ProgramRun umlaut = cli({"rename", "4711", "Harz \xC3\x9C"});
  EXPECT_EQ(umlaut.exitCode, 1);
  EXPECT_EQ(umlaut.err, german("Satzumlaut") + "\n");
  EXPECT_EQ(readFile(filePath(mapset.tdb)), before);
  EXPECT_EQ(cli({"rename", "9999", "Neu"}).exitCode, 1);
  EXPECT_EQ(cli({"rename", "4711"}).exitCode, 2);
  const ProgramRun byName = cli({"rename", "Harzkarte_SUd", "Harz Neu", "--registry"});
  EXPECT_EQ(byName.exitCode, 0) << byName.err;
  EXPECT_EQ(readTdbHeader(mapset.tdb).header.name, "Harz Neu");
}

TEST_F(RenameTypCommands, TypAssignsTheCopyAndRemovesItOnlyWhenTheQuestionIsAnswered) {
  const std::string typ = pathOf(home / "Karten" / "harz-typ.typ");
  const ProgramRun assigned = cli({"typ", "4711", typ});
  EXPECT_EQ(assigned.exitCode, 0) << assigned.err;
  EXPECT_EQ(assigned.err, german("Satz22") + "\n");
  const std::string copy = pathOf(home / "Karten" / "10318.TYP");
  EXPECT_EQ(hklm(kFamily, "TYP"), copy);
  EXPECT_EQ(readTypFid(readFile(filePath(copy))), 4711);

  const ProgramRun unanswered = cli({"typ", "4711", "--remove"});
  EXPECT_EQ(unanswered.exitCode, 1);
  EXPECT_EQ(unanswered.err, german("Fehler16") + "\n");
  EXPECT_EQ(hklm(kFamily, "TYP"), copy);

  const ProgramRun removed = cli({"typ", "--yes", "4711", "--remove"});
  EXPECT_EQ(removed.exitCode, 0) << removed.err;
  EXPECT_EQ(removed.err, german("Fehler27") + "\n");
  EXPECT_EQ(hklm(kFamily, "TYP"), "");
  EXPECT_TRUE(fs::exists(filePath(copy + ".bak")));
}

TEST_F(RenameTypCommands, TypRefusesAFileTheChooserDoesNotOffer) {
  const ProgramRun run = cli({"typ", "4711", mapset.typ});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.err, "die Auswahl bietet keine TYP-Datei " + mapset.typ +
                         " (ihr Name muss acht Zeichen und .typ haben)\n");
  EXPECT_EQ(cli({"typ", "4711", mapset.typ, "--remove"}).exitCode, 2);
  EXPECT_EQ(cli({"typ", "4711"}).exitCode, 2);
}

}  // namespace
}  // namespace mapsetdesk::testing
