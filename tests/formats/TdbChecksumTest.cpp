#include "formats/TdbChecksum.h"

#include <gtest/gtest.h>

#include "support/GarminFiles.h"
#include "formats/TdbBytes.h"
#include "formats/TdbHeader.h"
#include "platform/Crc32.h"
#include "support/ScriptedDialogs.h"

namespace mapsetdesk::testing {
namespace {

const TdbTexts kTexts = {
    "ZORVAN",
    "unknowm-tdb-format. Please send tdb-file to : support@example.org as email-attachment",
    "ZORVAN has created a backupfile  as file : ",
    "Mapname was changed.",
    "da ging was schief, versuche es bitte erneut",
    "The TDB file is damaged and was left unchanged: ",
};

// Four bytes that, appended to prefix, make the CRC-32 of the whole 0: the
// register is run backwards from the wanted end state.
std::string bytesForCrcZero(std::string_view prefix) {
  std::uint32_t table[256];
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
    table[n] = c;
  }
  std::uint32_t wanted = 0xFFFFFFFFu;  // the register whose complement is 0
  for (int step = 0; step < 4; ++step) {
    std::uint32_t index = 0;
    while ((table[index] >> 24) != (wanted >> 24)) ++index;
    wanted = ((wanted ^ table[index]) << 8) | index;
  }
  const std::uint32_t bytes = wanted ^ ~crc32(prefix);
  return {static_cast<char>(bytes), static_cast<char>(bytes >> 8),
          static_cast<char>(bytes >> 16), static_cast<char>(bytes >> 24)};
}

// The CRC as the block stores it, most significant byte first.
std::uint32_t storedCrc(std::string_view file, std::size_t blockOffset) {
  std::uint32_t crc = 0;
  for (const std::size_t at : kTdbCrcBytes)
    crc = (crc << 8) | static_cast<unsigned char>(file[blockOffset + at]);
  return crc;
}

using TdbChecksumFromMkgmap = GarminFilesTest;

TEST_F(TdbChecksumFromMkgmap, MkgmapsChecksumIsOurs) {
  const std::string original = bytesOf("mapset/osmmap.tdb");
  const TdbChecksumCheck check = checkTdbChecksum(original);
  EXPECT_EQ(check.state, TdbChecksumState::Ok);
  EXPECT_EQ(check.stored, check.computed);

  std::string cleared = original;
  const std::size_t blockOffset = original.size() - 23;
  ASSERT_EQ(static_cast<unsigned char>(original[blockOffset]), kTdbChecksumBlock);
  for (const std::size_t at : kTdbCrcBytes) cleared[blockOffset + at] = '\0';
  EXPECT_EQ(checkTdbChecksum(cleared).state, TdbChecksumState::Bad);

  const std::string path = copy("mapset/osmmap.tdb");
  writeFile(path, cleared);
  ScriptedDialogs dialogs;
  EXPECT_EQ(ChecksumAendern(path, dialogs, kTexts), ChecksumOutcome::Written);
  EXPECT_EQ(readFile(path), original) << "byte for byte what mkgmap wrote";
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(TdbChecksumFromMkgmap, AfterAFidPatchTheChecksumFollows) {
  const std::string path = copy("mapset/osmmap.tdb");
  ASSERT_EQ(patchTdbFid(path, 6000), FileStatus::Ok);
  EXPECT_EQ(checkTdbChecksum(readFile(path)).state, TdbChecksumState::Bad);
  ScriptedDialogs dialogs;
  EXPECT_EQ(ChecksumAendern(path, dialogs, kTexts), ChecksumOutcome::Written);
  const std::string patched = readFile(path);
  EXPECT_EQ(checkTdbChecksum(patched).state, TdbChecksumState::Ok);
  EXPECT_EQ(patched.size(), bytesOf("mapset/osmmap.tdb").size());
}

TEST(TdbChecksum, NetEffectOnALastBlockOfTwentyBytes) {
  std::string file = smallTdb("Testkarte");
  const std::size_t blockOffset = file.size() - 23;
  for (std::size_t i = 3; i < 23; ++i) file[blockOffset + i] = '\x77';
  const std::string before = file;

  const ChecksumApplied applied = applyTdbChecksum(file);
  ASSERT_EQ(applied.outcome, ChecksumOutcome::Written);
  const std::uint32_t crc = crc32(std::string_view(before).substr(0, blockOffset));
  EXPECT_EQ(storedCrc(file, blockOffset), crc);
  EXPECT_EQ(file.size(), before.size());
  EXPECT_EQ(file.substr(0, blockOffset + 5), before.substr(0, blockOffset + 5));
  for (const std::size_t zero : {6, 7, 8, 13, 14, 16, 17, 18, 21, 22})
    EXPECT_EQ(file[blockOffset + zero], '\0') << "block offset " << zero;
  for (const std::size_t kept : {9, 10, 11, 19})
    EXPECT_EQ(file[blockOffset + kept], '\x77') << "block offset " << kept;
}

TEST(TdbChecksum, NeverWritesPastTheChecksumBlock) {
  // A longer block followed by another: the padding stops inside the block,
  // the next block's identifier survives.
  const std::string head = smallTdb("Testkarte");
  std::string file = head.substr(0, head.size() - 23) + block(0x54, std::string(21, '\x66')) +
                     block(0x99, "xyz");
  const std::size_t blockOffset = head.size() - 23;
  ASSERT_EQ(applyTdbChecksum(file).outcome, ChecksumOutcome::Written);
  EXPECT_EQ(file[blockOffset + 23], '\0') << "last word's padding inside the block";
  EXPECT_EQ(file.substr(blockOffset + 24), block(0x99, "xyz"));

  std::string shortBlock = head.substr(0, head.size() - 23) + block(0x54, std::string(17, '\0'));
  const std::string before = shortBlock;
  const ChecksumApplied refused = applyTdbChecksum(shortBlock);
  EXPECT_EQ(refused.outcome, ChecksumOutcome::Damaged);
  EXPECT_EQ(refused.damage, TdbDamage::ChecksumBlockTooShort);
  EXPECT_EQ(shortBlock, before);
}

TEST(TdbChecksum, AChecksumOfZeroIsNotWritten) {
  const std::string head = block(0x50, headerPayload(1, 2, 407, "Nullsumme")) +
                           block(0x44, std::string(20, 'c'));
  const std::string lead = head + std::string("\x45\x04\x00", 3);  // a block of four bytes
  std::string file = lead + bytesForCrcZero(lead) + block(0x54, std::string(20, '\x55'));
  ASSERT_EQ(crc32(std::string_view(file).substr(0, file.size() - 23)), 0u);
  const std::string before = file;
  EXPECT_EQ(applyTdbChecksum(file).outcome, ChecksumOutcome::CrcZero);
  EXPECT_EQ(file, before);
}

TEST(TdbChecksum, FortyBytesAreEnoughThirtyNineAreAnUnknownFormat) {
  TempDir dir;
  const std::string header = block(0x50, headerPayload(1, 2, 407, "K"));
  const std::string forty = header + block(0x54, std::string(40 - header.size() - 3, '\0'));
  ASSERT_EQ(forty.size(), 40u);
  writeFile(dir / "forty.tdb", forty);
  ScriptedDialogs dialogs;
  EXPECT_EQ(ChecksumAendern((dir / "forty.tdb").string(), dialogs, kTexts),
            ChecksumOutcome::Written);
  EXPECT_EQ(checkTdbChecksum(readFile(dir / "forty.tdb")).state, TdbChecksumState::Ok);
  EXPECT_TRUE(dialogs.messages().empty());

  const std::string thirtyNine = forty.substr(0, 39);
  writeFile(dir / "short.tdb", thirtyNine);
  EXPECT_EQ(ChecksumAendern((dir / "short.tdb").string(), dialogs, kTexts),
            ChecksumOutcome::UnknownFormat);
  const Message shown = dialogs.take();
  EXPECT_EQ(shown.text,
            "unknowm-tdb-format. Please send tdb-file to : support@example.org as "
            "email-attachment");
  EXPECT_EQ(shown.title, "ZORVAN");
  EXPECT_EQ(shown.buttons, Buttons::Ok);
  EXPECT_EQ(readFile(dir / "short.tdb"), thirtyNine);
}

TEST(TdbChecksum, WithoutChecksumBlockNothingIsWrittenOrSaid) {
  TempDir dir;
  const std::string file = block(0x50, headerPayload(1, 2, 300, "Alt", std::string(40, 'a')));
  writeFile(dir / "old.tdb", file);
  ScriptedDialogs dialogs;
  EXPECT_EQ(ChecksumAendern((dir / "old.tdb").string(), dialogs, kTexts),
            ChecksumOutcome::NoChecksumBlock);
  EXPECT_EQ(readFile(dir / "old.tdb"), file);
  EXPECT_TRUE(dialogs.messages().empty());
  EXPECT_EQ(checkTdbChecksum(file).state, TdbChecksumState::None);
}

TEST(TdbChecksum, ADamagedFileIsLeftUnchangedAndTheUserToldWhy) {
  TempDir dir;
  const std::string file = smallTdb("Kaputt");
  const std::string cut = file.substr(0, 60) + std::string("\x44\xFF\x00", 3) + "rest";
  writeFile(dir / "cut.tdb", cut);
  ScriptedDialogs dialogs;
  const std::string path = (dir / "cut.tdb").string();
  EXPECT_EQ(ChecksumAendern(path, dialogs, kTexts), ChecksumOutcome::Damaged);
  EXPECT_EQ(readFile(dir / "cut.tdb"), cut);
  const Message shown = dialogs.take();
  EXPECT_EQ(shown.text, "The TDB file is damaged and was left unchanged: " + path +
                            ": a block runs past the end of the file");
  EXPECT_EQ(shown.title, "ZORVAN");
}

TEST(TdbChecksum, AChecksumBlockBeforeLaterDamageIsStillKeptUpToDate) {
  std::string file = smallTdb("Vorne") + "\x44\xFF";
  EXPECT_EQ(applyTdbChecksum(file).outcome, ChecksumOutcome::Written);
  EXPECT_EQ(checkTdbChecksum(file).state, TdbChecksumState::Ok);
}

TEST(TdbChecksum, AMissingFileIsAFileError) {
  TempDir dir;
  ScriptedDialogs dialogs;
  EXPECT_EQ(ChecksumAendern((dir / "none.tdb").string(), dialogs, kTexts),
            ChecksumOutcome::FileError);
  EXPECT_TRUE(dialogs.messages().empty());
}

}  // namespace
}  // namespace mapsetdesk::testing
