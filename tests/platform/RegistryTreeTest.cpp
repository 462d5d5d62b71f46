// The in-memory hive on its own: names, order and paths as Windows has them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/Codec.h"
#include "platform/RegistryTree.h"

namespace mapsetdesk {
namespace {

using Names = std::vector<std::string>;

TEST(RegistryNames, FoldWindows1252LettersWithTheirOtherCase) {
  const std::vector<std::pair<std::string, std::string>> same = {{"Typ", "TYP"},
                                                                 {"\xE0", "\xC0"} /* à À */,
                                                                 {"\x9A", "\x8A"} /* š Š */,
                                                                 {"\x9C", "\x8C"} /* œ Œ */,
                                                                 {"\x9E", "\x8E"} /* ž Ž */,
                                                                 {"\xFF", "\x9F"} /* ÿ Ÿ */,
                                                                 {"\xFE", "\xDE"} /* þ Þ */,
                                                                 {"MapSource", "mapsource"}};
  for (const auto& [a, b] : same)
    EXPECT_TRUE(sameRegName(a, b)) << fromAnsi(a) << " " << fromAnsi(b);

  const std::vector<std::pair<std::string, std::string>> different = {
      {"\xF7", "\xD7"} /* ÷ × */, {"\xDF", "SS"} /* ß */, {"\xB5", "M"}, {"Topo", "Topo1"}};
  for (const auto& [a, b] : different)
    EXPECT_FALSE(sameRegName(a, b)) << fromAnsi(a) << " " << fromAnsi(b);
}

TEST(RegistryNames, OrderByTheUpperCasedName) {
  // Upper-casing puts "_" and "[" after the letters and ÿ (Ÿ, U+0178)
  // between š (Š, U+0160) and ž (Ž, U+017D).
  Names names = {"_x", "ž", "Z", "a", "[", "ÿ", "šimon", "ß", "à", "Topo1", "topo"};
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return compareRegNames(toAnsi(a), toAnsi(b)) < 0;
  });
  EXPECT_EQ(names, (Names{"a", "topo", "Topo1", "Z", "[", "_x", "à", "ß", "šimon", "ÿ", "ž"}));
}

TEST(RegistryPaths, SplitAsRegOpenKeyExReadsThem) {
  using Split = std::vector<std::string_view>;
  EXPECT_EQ(splitKeyPath(""), Split{});
  EXPECT_EQ(splitKeyPath("SOFTWARE\\Garmin\\MapSource\\Families\\"),
            (Split{"SOFTWARE", "Garmin", "MapSource", "Families"}));
  EXPECT_EQ(splitKeyPath("a\\\\b\\\\"), (Split{"a", "b"}));
  EXPECT_EQ(splitKeyPath(std::string("a\\b\0c\\d", 7)), (Split{"a", "b"}));
  EXPECT_EQ(splitKeyPath("\\SOFTWARE"), std::nullopt);
  EXPECT_EQ(splitKeyPath("a\\" + std::string(255, 'n')), (Split{"a", std::string(255, 'n')}));
  EXPECT_EQ(splitKeyPath("a\\" + std::string(256, 'n')), std::nullopt);
  EXPECT_EQ(splitKeyPath("a\nb"), std::nullopt);
}

TEST(RegistryTree, KeepsTheFirstSpellingOfKeysAndValues) {
  RegistryTree tree;
  EXPECT_EQ(tree.createKey("SOFTWARE\\Garmin\\MapSource"), TreeEdit::Changed);
  EXPECT_EQ(tree.createKey("software\\GARMIN\\Mapsource\\"), TreeEdit::Unchanged);
  EXPECT_EQ(tree.setValue("software\\garmin\\mapsource", {"Bmap", kRegSz, "a"}), TreeEdit::Changed);
  EXPECT_EQ(tree.setValue("SOFTWARE\\Garmin\\MapSource", {"BMAP", kRegSz, "a"}),
            TreeEdit::Unchanged);
  EXPECT_EQ(tree.setValue("SOFTWARE\\Garmin\\MapSource", {"BMAP", kRegBinary, "a"}),
            TreeEdit::Changed);
  EXPECT_EQ(tree.storedPath("software\\garmin\\MAPSOURCE\\"), "SOFTWARE\\Garmin\\MapSource");
  EXPECT_EQ(tree.storedPath("software\\missing"), std::nullopt);
  const auto values = tree.values("SOFTWARE\\Garmin\\MapSource");
  ASSERT_EQ(values.size(), 1u);
  EXPECT_EQ(values[0], (RegValue{"Bmap", kRegBinary, "a"}));
}

TEST(RegistryTree, DeletesOnlyWhatTheRegistryWould) {
  RegistryTree tree;
  tree.setValue("Families\\Topo1234\\1", {"TDB", kRegSz, "x"});
  tree.setValue("Families\\Other5678", {"ID", kRegBinary, "\x2E\x16"});
  EXPECT_EQ(tree.deleteKey(""), TreeEdit::Refused);
  EXPECT_EQ(tree.deleteKey("Families\\Topo1234"), TreeEdit::Refused);
  EXPECT_EQ(tree.deleteKey("Families\\Missing"), TreeEdit::Refused);
  EXPECT_EQ(tree.deleteValue("Families\\Topo1234\\1", "BMAP"), TreeEdit::Refused);
  EXPECT_EQ(tree.deleteValue("Families\\Missing", "TDB"), TreeEdit::Refused);
  EXPECT_EQ(tree.deleteTree("Families\\Missing"), TreeEdit::Unchanged);
  EXPECT_EQ(tree.deleteTree(""), TreeEdit::Refused);

  EXPECT_EQ(tree.deleteTree("families\\topo1234"), TreeEdit::Changed);
  EXPECT_EQ(tree.subkeyNames("Families"), Names{"Other5678"});
  EXPECT_EQ(tree.deleteKey("Families\\Other5678\\"), TreeEdit::Changed);
  EXPECT_EQ(tree.subkeyNames("Families"), Names{});
}

TEST(RegistryTree, RefusesNamesNoRegistryFileCanHold) {
  RegistryTree tree;
  EXPECT_EQ(tree.createKey("a\rb"), TreeEdit::Refused);
  EXPECT_EQ(tree.setValue("a", {"line\nbreak", kRegSz, "x"}), TreeEdit::Refused);
  EXPECT_EQ(tree.setValue("\\a", {"x", kRegSz, "x"}), TreeEdit::Refused);
  EXPECT_EQ(tree.root(), RegistryTree::Key{});
}

TEST(RegistryTree, ValueNamesEndAtTheirFirstNul) {
  RegistryTree tree;
  tree.setValue("a", {std::string("TDB\0junk", 8), kRegSz, "x"});
  ASSERT_TRUE(tree.queryValue("a", "tdb"));
  EXPECT_EQ(tree.queryValue("a", "tdb")->name, "TDB");
  EXPECT_EQ(tree.deleteValue("a", std::string("TDB\0other", 9)), TreeEdit::Changed);
}

}  // namespace
}  // namespace mapsetdesk
