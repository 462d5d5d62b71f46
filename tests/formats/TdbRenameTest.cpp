#include "formats/TdbRename.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/GarminFiles.h"
#include "formats/TdbBytes.h"
#include "formats/TdbChecksum.h"
#include "formats/TdbHeader.h"
#include "formats/TdbTiles.h"
#include "support/ScriptedDialogs.h"

namespace mapsetdesk::testing {
namespace {

const TdbTexts kEnglish = {
    "ZORVAN",
    "unknowm-tdb-format. Please send tdb-file to : support@example.org as email-attachment",
    "ZORVAN has created a backupfile  as file : ",
    "Mapname was changed.",
    "da ging was schief, versuche es bitte erneut",
    "The TDB file is damaged and was left unchanged: ",
};

std::size_t count(std::string_view text, std::string_view part) {
  std::size_t found = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos;
       at = text.find(part, at + 1))
    ++found;
  return found;
}

void expectBackupThenChanged(ScriptedDialogs& dialogs, const std::string& path) {
  const Message backup = dialogs.take();
  EXPECT_EQ(backup.text, "ZORVAN has created a backupfile  as file : " + path + "-BAK");
  EXPECT_EQ(backup.title, "ZORVAN");
  EXPECT_EQ(backup.buttons, Buttons::Ok);
  const Message changed = dialogs.take();
  EXPECT_EQ(changed.text, "Mapname was changed.");
  EXPECT_EQ(changed.title, "ZORVAN");
  EXPECT_EQ(changed.icon, Icon::Information);
  EXPECT_TRUE(dialogs.messages().empty());
}

using TdbRenameOfMkgmap = GarminFilesTest;

TEST_F(TdbRenameOfMkgmap, RenamesBacksUpAndKeepsTheChecksumValid) {
  const std::string original = bytesOf("mapset/osmmap.tdb");
  const std::string path = copy("mapset/osmmap.tdb");
  ScriptedDialogs dialogs;
  EXPECT_EQ(TDBNameAendern(path, "Brocken", false, dialogs, kEnglish), RenameOutcome::Renamed);
  expectBackupThenChanged(dialogs, path);

  const std::string renamed = readFile(path);
  EXPECT_EQ(readFile(path + "-BAK"), original);
  const TdbHeaderRead header = readTdbHeader(path);
  ASSERT_EQ(header.damage, TdbDamage::None);
  EXPECT_EQ(header.header.name, "Brocken");
  EXPECT_EQ(header.header.fid, kMkgmapFid);
  EXPECT_EQ(header.header.pid, kMkgmapPid);
  EXPECT_EQ(checkTdbChecksum(renamed).state, TdbChecksumState::Ok);
  EXPECT_EQ(count(renamed, kMkgmapSeriesName), 0u);
  EXPECT_EQ(count(renamed, "Brocken \xDC" "bersicht"), 1u) << "the overview block's occurrence";
  EXPECT_EQ(renamed.size(), original.size() - 2 * (13 - 7));
  EXPECT_EQ(walkTdbBlocks(renamed).damage, TdbDamage::None);
  EXPECT_EQ(readTdbTiles(renamed).tiles.size(), 2u) << "blocks after the name keep their place";
}

TEST_F(TdbRenameOfMkgmap, QuietRenameShowsOnlyTheBackupAndTakesUmlautsAsWindows1252) {
  const std::string path = copy("mapset/osmmap.tdb");
  ScriptedDialogs dialogs;
  EXPECT_EQ(TDBNameAendern(path, "Nördlicher Harz", true, dialogs, kEnglish),
            RenameOutcome::Renamed);
  ASSERT_EQ(dialogs.messages().size(), 1u);
  EXPECT_EQ(dialogs.take().text, "ZORVAN has created a backupfile  as file : " + path + "-BAK");
  EXPECT_EQ(readTdbHeader(path).header.name, "N\xF6rdlicher Harz");
  EXPECT_EQ(checkTdbChecksum(readFile(path)).state, TdbChecksumState::Ok);
}

// The name strings by the blocks' layout: the header's family name after the
// product version, the text block's string after its flag byte, the
// overview's description after map numbers and bounds. Only the last text
// and overview blocks are renamed, and only where the case matches.
TEST(TdbRenameBytes, RenamesOnlyTheNameStringsOfTheHeaderAndTheLastTextAndOverviewBlock) {
  const std::string bounds = "Alt" + std::string(17, '\0') + "Alt" + '\x07';
  const auto header = [](std::string_view name, std::string_view family) {
    return block(0x50, headerPayload(0x6C41, 0x7441, 407, name,
                                     u16le(0x7441) + std::string(family) + '\0' + "Alt"));
  };
  const auto tail = [&](std::string_view name) {
    return block(0x52, std::string("\xC3") + std::string(name) + " letzte alt" + '\0' + "Alt") +
           block(0x42, "Alt erste Uebersicht") +
           block(0x42, bounds + "x" + std::string(name) + "x" + '\0' + "Alt") +
           block(0x54, checksumPayload());
  };
  const std::string first = block(0x52, "\xC3" "Alt erste" + std::string(1, '\0')) +
                            block(0x44, "Alt Copyright");
  const std::string file = header("Alt", "Alt Familie") + first + tail("Alt");
  const TdbRenamed renamed = renameTdbBytes(file, "Neuer Name");
  ASSERT_EQ(renamed.damage, TdbDamage::None);
  EXPECT_TRUE(renamed.checksumNeeded);
  EXPECT_EQ(renamed.bytes, header("Neuer Name", "Neuer Name Familie") + first + tail("Neuer Name"));
}

// Renaming "ww" to "Nord" once wrote "Nord" into the overview block's bounds,
// which mkgmap's file holds as ... 00 77 77 07.
TEST_F(TdbRenameOfMkgmap, BoundsThatSpellTheOldNameKeepTheirBytes) {
  const std::string original = bytesOf("mapset/osmmap.tdb");
  const TdbRenamed ww = renameTdbBytes(original, "ww");
  ASSERT_EQ(ww.damage, TdbDamage::None);
  const TdbRenamed nord = renameTdbBytes(ww.bytes, "Nord");
  ASSERT_EQ(nord.damage, TdbDamage::None);
  const TdbLayout before = walkTdbBlocks(ww.bytes);
  const TdbLayout after = walkTdbBlocks(nord.bytes);
  ASSERT_EQ(after.damage, TdbDamage::None);
  ASSERT_EQ(before.blocks.size(), after.blocks.size());
  for (std::size_t i = 1; i < after.blocks.size(); ++i) {
    const TdbBlock& old = before.blocks[i];
    const TdbBlock& now = after.blocks[i];
    EXPECT_EQ(now.id, old.id);
    if (now.id == 0x42) {
      EXPECT_EQ(nord.bytes.substr(now.payload(), 24), ww.bytes.substr(old.payload(), 24))
          << "map numbers and bounds";
      continue;
    }
    EXPECT_EQ(nord.bytes.substr(now.offset, now.end() - now.offset),
              ww.bytes.substr(old.offset, old.end() - old.offset))
        << "block " << i << " is not renamed";
  }
  EXPECT_EQ(readTdbTiles(nord.bytes).tiles.size(), 2u);
  EXPECT_EQ(count(nord.bytes, "Nord \xDC" "bersicht"), 1u) << "the description is renamed";
}

TEST(TdbRenameBytes, ComparesExactlyAndKeepsTheIdFields) {
  // The name's bytes also stand in the ID fields before it ("AB" = 0x4241);
  // only text is renamed, and only where the case matches.
  const std::string tail = block(0x42, std::string(24, 'A') + "ab" + '\0') +
                           block(0x99, std::string(27, 'z'));
  const auto header = [](std::string_view name, std::string_view family) {
    return block(0x50, headerPayload(0x4241, 0x4241, 0x4241, name,
                                     "AB" + std::string(family) + '\0'));
  };
  const TdbRenamed renamed = renameTdbBytes(header("AB", "ab AB") + tail, "XY");
  ASSERT_EQ(renamed.damage, TdbDamage::None);
  EXPECT_EQ(renamed.bytes, header("XY", "ab XY") + tail);
  EXPECT_TRUE(renamed.checksumNeeded) << "version 0x4241 is above 300";
}

TEST(TdbRenameBytes, ChecksumPassByVersionOrChecksumBlock) {
  const std::string filler = block(0x44, std::string(40, 'c'));
  const auto needs = [&](std::uint16_t version, bool withBlock) {
    const std::string file = block(0x50, headerPayload(1, 2, version, "Nord")) + filler +
                             (withBlock ? block(0x54, checksumPayload()) : "");
    const TdbRenamed renamed = renameTdbBytes(file, "Sued");
    EXPECT_EQ(renamed.damage, TdbDamage::None);
    return renamed.checksumNeeded;
  };
  EXPECT_FALSE(needs(300, false));
  EXPECT_TRUE(needs(300, true));
  EXPECT_TRUE(needs(301, false));
}

TEST(TdbRenameBytes, DamagedFilesAreRefused) {
  const std::string good = smallTdb("Name");
  EXPECT_EQ(renameTdbBytes(good.substr(0, 39), "X").damage, TdbDamage::TooShort);
  EXPECT_EQ(renameTdbBytes(good.substr(0, good.size() - 1), "X").damage,
            TdbDamage::BlockPastEnd);
  EXPECT_EQ(renameTdbBytes(good + "\x42", "X").damage, TdbDamage::TruncatedBlockHead);
  EXPECT_EQ(renameTdbBytes(block(0x44, std::string(40, 'a')), "X").damage,
            TdbDamage::NoHeaderBlock);
  EXPECT_EQ(renameTdbBytes(block(0x50, std::string(60, 'a')), "X").damage,
            TdbDamage::NameUnterminated);

  const std::string nearlyFull = block(0x50, headerPayload(1, 2, 3, "N", std::string(65520, 'N')));
  EXPECT_EQ(renameTdbBytes(nearlyFull, "Ein viel laengerer Name").damage, TdbDamage::BlockTooLong);
}

TEST(TdbRename, DamagedFileStaysUnchangedWithoutBackupAndSaysWhy) {
  TempDir dir;
  const std::string path = (dir / "karte.tdb").string();
  const std::string damaged = smallTdb("Name").substr(0, 45);
  writeFile(path, damaged);
  ScriptedDialogs dialogs;
  EXPECT_EQ(TDBNameAendern(path, "Neu", false, dialogs, kEnglish), RenameOutcome::Damaged);
  const Message shown = dialogs.take();
  EXPECT_EQ(shown.text, "The TDB file is damaged and was left unchanged: " + path +
                            ": a block runs past the end of the file");
  EXPECT_EQ(shown.title, "ZORVAN");
  EXPECT_EQ(readFile(path), damaged);
  EXPECT_FALSE(std::filesystem::exists(path + "-BAK"));
}

TEST(TdbRename, AChecksumBlockTooShortStopsTheRenameBeforeAnythingIsWritten) {
  TempDir dir;
  const std::string path = (dir / "karte.tdb").string();
  const std::string file = block(0x50, headerPayload(1, 2, 407, "Alt")) +
                           block(0x44, std::string(30, 'c')) + block(0x54, std::string(17, '\0'));
  writeFile(path, file);
  ScriptedDialogs dialogs;
  EXPECT_EQ(TDBNameAendern(path, "Neu", false, dialogs, kEnglish), RenameOutcome::Damaged);
  EXPECT_EQ(dialogs.take().text, "The TDB file is damaged and was left unchanged: " + path +
                                     ": checksum block is too short");
  EXPECT_EQ(readFile(path), file);
  EXPECT_FALSE(std::filesystem::exists(path + "-BAK"));
}

TEST(TdbRename, AnOldFormatWithoutChecksumBlockIsRenamedAsItIs) {
  TempDir dir;
  const std::string path = (dir / "alt.tdb").string();
  const std::string tail = block(0x44, std::string(30, 'c'));
  writeFile(path, block(0x50, headerPayload(1, 2, 300, "Alt")) + tail);
  ScriptedDialogs dialogs;
  ASSERT_EQ(TDBNameAendern(path, "Neuer", false, dialogs, kEnglish), RenameOutcome::Renamed);
  expectBackupThenChanged(dialogs, path);
  EXPECT_EQ(readFile(path), block(0x50, headerPayload(1, 2, 300, "Neuer")) + tail);
}

TEST(TdbRename, ARenameBelowFortyBytesIsRefusedBeforeTheBackupSoNoChecksumGoesStale) {
  TempDir dir;
  const std::string path = (dir / "knapp.tdb").string();
  const std::string name(10, 'N');
  const std::string header = block(0x50, headerPayload(1, 2, 407, name));
  const std::string before = header + block(0x54, std::string(40 - header.size() - 3, '\0'));
  writeFile(path, before);
  ScriptedDialogs dialogs;
  ASSERT_EQ(TDBNameAendern(path, "K", false, dialogs, kEnglish), RenameOutcome::ChecksumRefused);
  EXPECT_EQ(dialogs.take().text,
            "unknowm-tdb-format. Please send tdb-file to : support@example.org as "
            "email-attachment");
  dialogs.expectAllTaken();
  EXPECT_EQ(readFile(path), before);
  EXPECT_FALSE(std::filesystem::exists(path + "-BAK"));
}

TEST(TdbRename, ANameThatWouldNotFitTheHeaderOrHasAZeroIsRefusedBeforeAnythingIsWritten) {
  TempDir dir;
  const std::string path = (dir / "karte.tdb").string();
  const std::string file = smallTdb("Alt");
  writeFile(path, file);
  const std::size_t longest = kTdbMaxNameEnd - kTdbNameOffset;
  ScriptedDialogs dialogs;
  for (const auto& [name, reason] :
       {std::pair<std::string, std::string>{std::string(longest + 1, 'N'),
                                            "mapset name is longer than 255 bytes"},
        {std::string("Neu\0Name", 8), "mapset name contains a zero byte"}}) {
    EXPECT_EQ(TDBNameAendern(path, name, false, dialogs, kEnglish), RenameOutcome::Damaged);
    const Message shown = dialogs.take();
    EXPECT_EQ(shown.text, "The TDB file is damaged and was left unchanged: " + path + ": " + reason);
    EXPECT_EQ(shown.title, "ZORVAN");
    EXPECT_EQ(readFile(path), file);
    EXPECT_FALSE(std::filesystem::exists(path + "-BAK"));
  }

  const std::string longestName(longest, 'N');
  const TdbRenamed renamed = renameTdbBytes(file, longestName);
  ASSERT_EQ(renamed.damage, TdbDamage::None);
  const TdbHeaderResult reread = parseTdbHeader(renamed.bytes);
  EXPECT_EQ(reread.damage, TdbDamage::None);
  EXPECT_EQ(reread.header.name, longestName);
}

TEST(TdbRename, AMissingFileIsReported) {
  TempDir dir;
  ScriptedDialogs dialogs;
  EXPECT_EQ(TDBNameAendern((dir / "weg.tdb").string(), "Neu", false, dialogs, kEnglish),
            RenameOutcome::FileMissing);
  const Message shown = dialogs.take();
  EXPECT_EQ(shown.text, "da ging was schief, versuche es bitte erneut");
  EXPECT_EQ(shown.title, "ZORVAN");
  EXPECT_EQ(shown.buttons, Buttons::Ok);
}

TEST(TdbRename, AFailedWriteLeavesTheOldFileWhole) {
  TempDir dir;
  const std::string path = (dir / "karte.tdb").string();
  const std::string original = smallTdb("Alt");
  writeFile(path, original);
  // A folder where the new content would be written first.
  std::filesystem::create_directory(path + ".mapsetdesk-new");
  ScriptedDialogs dialogs;
  EXPECT_EQ(TDBNameAendern(path, "Neu", false, dialogs, kEnglish), RenameOutcome::WriteFailed);
  EXPECT_EQ(readFile(path), original);
  EXPECT_EQ(readFile(path + "-BAK"), original) << "the backup comes first";
  EXPECT_EQ(dialogs.take().text, "ZORVAN has created a backupfile  as file : " + path + "-BAK");
  EXPECT_TRUE(dialogs.messages().empty()) << "no success message";
}

TEST(TdbRename, AnOlderBackupIsOverwritten) {
  TempDir dir;
  const std::string path = (dir / "karte.tdb").string();
  writeFile(path, smallTdb("Zweiter"));
  writeFile(path + "-BAK", "old backup");
  ScriptedDialogs dialogs;
  ASSERT_EQ(TDBNameAendern(path, "Dritter", true, dialogs, kEnglish), RenameOutcome::Renamed);
  EXPECT_EQ(readFile(path + "-BAK"), smallTdb("Zweiter"));
  EXPECT_EQ(readTdbHeader(path).header.name, "Dritter");
  EXPECT_EQ(checkTdbChecksum(readFile(path)).state, TdbChecksumState::Ok);
}

}  // namespace
}  // namespace mapsetdesk::testing
