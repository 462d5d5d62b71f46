// The rules every registry of the system keeps, checked through the registry
// access layer and the primitive calls: natively against the file registry,
// under Wine against the real one, and everywhere against the in-memory one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Codec.h"
#include "platform/RegistryOps.h"
#include "support/ScriptedDialogs.h"
#include "support/TestRegistry.h"

namespace mapsetdesk {
namespace {

using testing::ScriptedDialogs;
using testing::TestRegistry;
using Names = std::vector<std::string>;

const std::string kFehler29 = "zorvan was unable to write to registry";

// Text of the given length that shows where it was cut.
std::string numberedText(std::size_t length) {
  std::string text;
  for (std::size_t i = 0; i < length; ++i) text += static_cast<char>('0' + i % 10);
  return text;
}

class RegistryContract : public ::testing::TestWithParam<TestRegistry::Kind> {
 protected:
  RegistryContract() : scratch_(GetParam()) {}

  Registry& reg() { return scratch_.registry(); }
  std::string key(Root root, const std::string& below = "") const {
    return below.empty() ? scratch_.base(root) : scratch_.base(root) + "\\" + below;
  }
  std::string user(const std::string& below = "") const { return key(Root::CurrentUser, below); }
  std::string machine(const std::string& below = "") const {
    return key(Root::LocalMachine, below);
  }
  std::string read(Root root, const std::string& path, const std::string& name) {
    return fRegAbfrageWert(reg(), root, path, name);
  }
  // Windows keeps text values as Unicode; the other registries keep
  // Windows-1252, as the A functions of a Windows-1252 system see them.
  // The Windows registry and the file store keep Unicode text; the
  // in-memory registry keeps what the A functions of a Windows-1252 system
  // would see.
  bool keepsUnicodeText() const { return GetParam() == TestRegistry::Kind::System; }

  TestRegistry scratch_;
};

TEST_P(RegistryContract, ReadingAMissingKeyYieldsEmptyTextAndCreatesNothing) {
  for (const Root root : {Root::CurrentUser, Root::LocalMachine}) {
    const std::string missing = key(root, "Garmin\\MapSource\\Families");
    EXPECT_EQ(read(root, missing, "TDB"), "");
    EXPECT_EQ(fDwordLesen(reg(), root, missing, "TDB"), std::nullopt);
    EXPECT_EQ(fSubkeysListen(reg(), root, missing), Names{});
    EXPECT_FALSE(reg().canOpen(root, key(root))) << rootName(root);
  }
}

TEST_P(RegistryContract, ReadsAtMost256BytesOtherwiseEmptyText) {
  const std::string path = user("Limits");
  for (const std::size_t length : {255, 256, 257, 300})
    fStringSpeichern(reg(), Root::CurrentUser, path, "len" + std::to_string(length),
                     numberedText(length));
  EXPECT_EQ(read(Root::CurrentUser, path, "len255"), numberedText(255));
  // Windows keeps a text with its NUL, so 256 characters need 257 bytes.
  EXPECT_EQ(read(Root::CurrentUser, path, "len256"), "");
  EXPECT_EQ(read(Root::CurrentUser, path, "len257"), "");
  EXPECT_EQ(read(Root::CurrentUser, path, "len300"), "");

  // A terminating NUL written by another installer counts towards the limit.
  reg().setValue(Root::CurrentUser, path, {"nul255", kRegSz, numberedText(255) + '\0'});
  reg().setValue(Root::CurrentUser, path, {"nul256", kRegSz, numberedText(256) + '\0'});
  EXPECT_EQ(read(Root::CurrentUser, path, "nul255"), numberedText(255));
  EXPECT_EQ(read(Root::CurrentUser, path, "nul256"), "");
}

TEST_P(RegistryContract, TextWrittenWithoutItsNulIsKeptWithOneAsWindowsDoes) {
  fStringSpeichern(reg(), Root::LocalMachine, machine("Products\\1234"), "LOC", "abc");
  const auto stored = reg().queryValue(Root::LocalMachine, machine("Products\\1234"), "LOC");
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->type, kRegSz);
  EXPECT_EQ(stored->data, std::string("abc\0", 4));

  reg().setValue(Root::CurrentUser, user("Raw"), {"binary", kRegBinary, "abc"});
  EXPECT_EQ(reg().queryValue(Root::CurrentUser, user("Raw"), "binary")->data, "abc");
}

TEST_P(RegistryContract, TextFromAnotherInstallerWithNulReadsAsOursWithout) {
  const std::string path = user("Family\\1");
  reg().setValue(Root::CurrentUser, path, {"theirs", kRegSz, std::string("C:\\Maps\\a.tdb\0", 14)});
  fStringSpeichern(reg(), Root::CurrentUser, path, "ours", "C:\\Maps\\a.tdb");
  EXPECT_EQ(read(Root::CurrentUser, path, "theirs"), "C:\\Maps\\a.tdb");
  EXPECT_EQ(read(Root::CurrentUser, path, "ours"), "C:\\Maps\\a.tdb");

  // Blanks before the NUL as well: both spellings read alike.
  reg().setValue(Root::CurrentUser, path, {"blankTheirs", kRegSz, std::string(" abc \0", 6)});
  reg().setValue(Root::CurrentUser, path, {"blankOurs", kRegSz, " abc "});
  EXPECT_EQ(read(Root::CurrentUser, path, "blankTheirs"), "abc");
  EXPECT_EQ(read(Root::CurrentUser, path, "blankOurs"), "abc");
}

TEST_P(RegistryContract, ReadTextIsTrimmedAndCutAtItsFirstNul) {
  const std::string path = user("Reading");
  fStringSpeichern(reg(), Root::CurrentUser, path, "blanks", "   D:\\Karten\\   ");
  reg().setValue(Root::CurrentUser, path, {"embedded", kRegSz, std::string("abc\0def", 7)});
  fStringSpeichern(reg(), Root::CurrentUser, path, "written", std::string("ab\0cd", 5));
  reg().setValue(Root::CurrentUser, path, {"onlyBlanks", kRegSz, "    "});
  EXPECT_EQ(read(Root::CurrentUser, path, "blanks"), "D:\\Karten\\");
  EXPECT_EQ(read(Root::CurrentUser, path, "embedded"), "abc");
  EXPECT_EQ(read(Root::CurrentUser, path, "written"), "ab");
  EXPECT_EQ(read(Root::CurrentUser, path, "onlyBlanks"), "");
  EXPECT_EQ(read(Root::CurrentUser, path, "missing"), "");
}

TEST_P(RegistryContract, BinaryValueReadsAsItsBytesUpToTheFirstZero) {
  const std::string path = machine("Families\\Topo_Har1234");
  ffStringSpeichern(reg(), Root::LocalMachine, path, "ID", fromAnsi("\xD2\x04"));
  ffStringSpeichern(reg(), Root::LocalMachine, path, "zeroLow",
                    fromAnsi(std::string("\x00\x04", 2)));
  ffStringSpeichern(reg(), Root::LocalMachine, path, "inner",
                    fromAnsi(std::string("\x01\x02\x00\x03", 4)));

  const auto id = reg().queryValue(Root::LocalMachine, path, "ID");
  ASSERT_TRUE(id);
  EXPECT_EQ(id->type, kRegBinary);
  EXPECT_EQ(id->data, "\xD2\x04");
  EXPECT_EQ(read(Root::LocalMachine, path, "ID"), fromAnsi("\xD2\x04"));

  // The FID 1024 has a zero low byte and so reads back empty.
  EXPECT_EQ(reg().queryValue(Root::LocalMachine, path, "zeroLow")->data,
            std::string("\x00\x04", 2));
  EXPECT_EQ(read(Root::LocalMachine, path, "zeroLow"), "");
  EXPECT_EQ(reg().queryValue(Root::LocalMachine, path, "inner")->data.size(), 4u);
  EXPECT_EQ(read(Root::LocalMachine, path, "inner"), "\x01\x02");
}

TEST_P(RegistryContract, KeyAndValueNamesAreComparedWithoutCase) {
  const std::string family = machine("Garmin\\MapSource\\Families\\Topo_Har1234");
  fStringSpeichern(reg(), Root::LocalMachine, family, "TYP", "C:\\Maps\\a.typ");
  const std::string otherSpelling = machine("garmin\\Mapsource\\FAMILIES\\topo_har1234");
  EXPECT_EQ(read(Root::LocalMachine, otherSpelling, "Typ"), "C:\\Maps\\a.typ");

  fStringSpeichern(reg(), Root::LocalMachine, otherSpelling, "Typ", "C:\\Maps\\b.typ");
  const auto values = reg().values(Root::LocalMachine, family);
  ASSERT_EQ(values.size(), 1u);
  EXPECT_EQ(values[0].name, "TYP");
  EXPECT_EQ(values[0].data, std::string("C:\\Maps\\b.typ\0", 14));
  EXPECT_EQ(fSubkeysListen(reg(), Root::LocalMachine, machine("Garmin")), Names{"MapSource"});
  EXPECT_EQ(fSubkeysListen(reg(), Root::LocalMachine, machine("Garmin\\MapSource\\Families")),
            Names{"Topo_Har1234"});

  // Accented letters match their other case too.
  fStringSpeichern(reg(), Root::CurrentUser, user("Ärger"), "Größe", "1");
  EXPECT_EQ(read(Root::CurrentUser, user("äRGER"), "GRÖSSE"), "");
  EXPECT_EQ(read(Root::CurrentUser, user("äRGER"), "gRÖße"), "1");
}

TEST_P(RegistryContract, KeyWithSubkeyIsNotDeleted) {
  const std::string family = machine("Families\\Topo_Har1234");
  fStringSpeichern(reg(), Root::LocalMachine, family + "\\1", "TDB", "C:\\Maps\\a.tdb");
  ffStringSpeichern(reg(), Root::LocalMachine, family, "ID", fromAnsi("\xD2\x04"));

  fSchluesselLoeschen(reg(), Root::LocalMachine, family);
  EXPECT_EQ(read(Root::LocalMachine, family, "ID"), fromAnsi("\xD2\x04"));
  EXPECT_EQ(read(Root::LocalMachine, family + "\\1", "TDB"), "C:\\Maps\\a.tdb");
  EXPECT_FALSE(reg().deleteKey(Root::LocalMachine, family));

  fSchluesselLoeschen(reg(), Root::LocalMachine, family + "\\1");
  EXPECT_EQ(fSubkeysListen(reg(), Root::LocalMachine, family), Names{});
  AktSchluesselLoeschen(reg(), family);
  EXPECT_FALSE(reg().canOpen(Root::LocalMachine, family));
  EXPECT_EQ(fSubkeysListen(reg(), Root::LocalMachine, machine("Families")), Names{});
}

TEST_P(RegistryContract, DeletingAMissingKeyLeavesOnlyTheKeysAboveItCreated) {
  fSchluesselLoeschen(reg(), Root::CurrentUser, user("Never\\There"));
  EXPECT_FALSE(reg().canOpen(Root::CurrentUser, user("Never\\There")));
  EXPECT_TRUE(reg().canOpen(Root::CurrentUser, user("Never")));
  EXPECT_FALSE(reg().deleteKey(Root::CurrentUser, user("Never\\There")));
}

TEST_P(RegistryContract, DeletingAValueOfAMissingKeyCreatesTheKeyEmpty) {
  const std::string path = user("Families\\Gone1234");
  fWerteLoeschen(reg(), Root::CurrentUser, path, "TYP");
  EXPECT_TRUE(reg().canOpen(Root::CurrentUser, path));
  EXPECT_TRUE(reg().values(Root::CurrentUser, path).empty());
  EXPECT_EQ(fSubkeysListen(reg(), Root::CurrentUser, path), Names{});
  EXPECT_FALSE(reg().deleteValue(Root::CurrentUser, path, "TYP"));
}

TEST_P(RegistryContract, DeletingAValueKeepsTheOthersInOrder) {
  const std::string path = user("Family");
  for (const char* name : {"ID", "TYP", "IDX", "MDR"})
    fStringSpeichern(reg(), Root::CurrentUser, path, name, name);
  fStringSpeichern(reg(), Root::CurrentUser, path, "ID", "again");
  fWerteLoeschen(reg(), Root::CurrentUser, path, "typ");
  Names names;
  for (const auto& value : reg().values(Root::CurrentUser, path)) names.push_back(value.name);
  EXPECT_EQ(names, (Names{"ID", "IDX", "MDR"}));
  EXPECT_EQ(read(Root::CurrentUser, path, "ID"), "again");
  EXPECT_EQ(read(Root::CurrentUser, path, "TYP"), "");
}

TEST_P(RegistryContract, SubkeysAreListedInTheRegistrysOrder) {
  EXPECT_EQ(fSubkeysListen(reg(), Root::CurrentUser, user("Missing")), Names{});
  fWerteLoeschen(reg(), Root::CurrentUser, user("Empty"), "x");
  EXPECT_EQ(fSubkeysListen(reg(), Root::CurrentUser, user("Empty")), Names{});

  const Names created = {"zeta",  "Beta10", "Œuvre", "beta2", "über", "9",    "a-b",
                         "Alpha", "šimon",  "Öl",    "10",    "a b",  "Ärger"};
  for (const auto& name : created)
    fWerteLoeschen(reg(), Root::CurrentUser, user("Order\\" + name), "x");
  EXPECT_EQ(fSubkeysListen(reg(), Root::CurrentUser, user("Order")),
            (Names{"10", "9", "a b", "a-b", "Alpha", "Beta10", "beta2", "zeta", "Ärger", "Öl",
                   "über", "Œuvre", "šimon"}));
}

TEST_P(RegistryContract, PathsEndingInABackslashNameTheSameKey) {
  const std::string families = machine("Garmin\\MapSource\\Families\\");
  fStringSpeichern(reg(), Root::LocalMachine, families + "Topo1234\\1", "BMAP", "C:\\Maps\\o.img");
  EXPECT_EQ(fSubkeysListen(reg(), Root::LocalMachine, families), Names{"Topo1234"});
  EXPECT_EQ(read(Root::LocalMachine, families + "Topo1234\\1\\", "BMAP"), "C:\\Maps\\o.img");
  EXPECT_TRUE(reg().canOpen(Root::LocalMachine, families));
}

TEST_P(RegistryContract, PathsBeginningWithABackslashAreRefused) {
  fStringSpeichern(reg(), Root::CurrentUser, "\\" + user("Lead"), "x", "y");
  EXPECT_FALSE(reg().canOpen(Root::CurrentUser, user("Lead")));
  fStringSpeichern(reg(), Root::CurrentUser, user("Lead"), "x", "y");
  EXPECT_EQ(read(Root::CurrentUser, "\\" + user("Lead"), "x"), "");
  EXPECT_EQ(read(Root::CurrentUser, user("Lead"), "x"), "y");
}

TEST_P(RegistryContract, DwordValuesAreFourBytesLowByteFirst) {
  const std::string path = user("Latitude");
  fDwordSpeichern(reg(), Root::CurrentUser, path, "Lat", 0x12345678u);
  const auto stored = reg().queryValue(Root::CurrentUser, path, "Lat");
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->type, kRegDword);
  EXPECT_EQ(stored->data, "\x78\x56\x34\x12");
  EXPECT_EQ(fDwordLesen(reg(), Root::CurrentUser, path, "lat"), 0x12345678u);
  fStringSpeichern(reg(), Root::CurrentUser, path, "Text", "1");
  EXPECT_EQ(fDwordLesen(reg(), Root::CurrentUser, path, "Text"), std::nullopt);
  EXPECT_EQ(fDwordLesen(reg(), Root::CurrentUser, path, "Missing"), std::nullopt);
}

TEST_P(RegistryContract, CheckedWriteThatReadsBackKeepsWhatItRead) {
  ScriptedDialogs dialogs;
  RegWriteCheck check;
  for (const Root root : {Root::CurrentUser, Root::LocalMachine}) {
    HKCUStringSpeichern(reg(), dialogs, kFehler29, check, root, key(root, "Family\\1"), "TDB",
                        "C:\\Karten\\Topo Österreich.tdb");
    EXPECT_EQ(check.vRegkeybin, "C:\\Karten\\Topo Österreich.tdb");
  }
  EXPECT_TRUE(check.vRegkey);
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST_P(RegistryContract, CheckedWriteThatReadsBackOtherwiseShowsFehler29) {
  ScriptedDialogs dialogs;
  RegWriteCheck check;
  const std::string path = user("Family\\1");
  HKCUStringSpeichern(reg(), dialogs, kFehler29, check, Root::CurrentUser, path, "TDB",
                      numberedText(300));
  EXPECT_FALSE(check.vRegkey);
  EXPECT_EQ(check.vRegkeybin, "");
  const Message shown = dialogs.take();
  EXPECT_EQ(shown.text, kFehler29);
  EXPECT_EQ(shown.title, "ZORVAN");
  EXPECT_EQ(shown.buttons, Buttons::Ok);

  // A character Windows-1252 cannot hold comes back as "?" where the
  // registry keeps Windows-1252: a difference too.
  check = RegWriteCheck{};
  HKCUStringSpeichern(reg(), dialogs, kFehler29, check, Root::CurrentUser, path, "LOC", "Ω");
  EXPECT_EQ(check.vRegkey, keepsUnicodeText());
  EXPECT_EQ(check.vRegkeybin, keepsUnicodeText() ? "Ω" : "?");
  if (!keepsUnicodeText()) {
    EXPECT_EQ(dialogs.take().text, kFehler29);
  }
  EXPECT_TRUE(dialogs.messages().empty());
}

TEST_P(RegistryContract, NamesOutsideWindows1252AreStoredAsQuestionMarksTextAsTheRegistryKeepsIt) {
  fStringSpeichern(reg(), Root::CurrentUser, user("Karte Ω"), "Name Ω", "Wert Ω €");
  EXPECT_EQ(fSubkeysListen(reg(), Root::CurrentUser, user()), Names{"Karte ?"});
  EXPECT_EQ(read(Root::CurrentUser, user("Karte ?"), "Name ?"),
            keepsUnicodeText() ? "Wert Ω €" : "Wert ? €");
  const auto values = reg().values(Root::CurrentUser, user("Karte ?"));
  ASSERT_EQ(values.size(), 1u);
  EXPECT_EQ(values[0].name, "Name ?");
  EXPECT_EQ(values[0].data, keepsUnicodeText() ? std::string("Wert Ω €\0", 12)
                                               : std::string("Wert ? \x80\0", 9));
}

std::string kindName(const ::testing::TestParamInfo<TestRegistry::Kind>& info) {
  return info.param == TestRegistry::Kind::System ? "System" : "Memory";
}

INSTANTIATE_TEST_SUITE_P(Registries, RegistryContract,
                         ::testing::Values(TestRegistry::Kind::System, TestRegistry::Kind::Memory),
                         kindName);

}  // namespace
}  // namespace mapsetdesk
