// The name and FID checks of a new mapset.
#include <gtest/gtest.h>

#include "install/NewMapsetChecks.h"

namespace mapsetdesk {
namespace {

RegistryCatalogue registered(std::initializer_list<std::pair<const char*, const char*>> rows) {
  RegistryCatalogue catalogue;
  for (const auto& [name, fid] : rows) {
    CatalogueRow row;
    row.cells = {name, fid, "1"};
    catalogue.rows.push_back(row);
  }
  return catalogue;
}

TEST(NewMapsetChecks, TheNameIsCutBeforeItsFirstCharacterAbove127) {
  const NameCut cut = cutAtForbiddenCharacter("Karte S\xC3\xBC" "d");
  EXPECT_TRUE(cut.cut);
  EXPECT_EQ(cut.name, "Karte S");
  EXPECT_EQ(cutAtForbiddenCharacter("Topo Harz").name, "Topo Harz");
  EXPECT_FALSE(cutAtForbiddenCharacter("Topo Harz").cut);
}

TEST(NewMapsetChecks, CharactersNoFileNameMayHoldCutTheNameAsWell) {
  for (const char* bad : {"\\", "/", ":", "*", "?", "\"", "<", ">", "|"}) {
    const NameCut cut = cutAtForbiddenCharacter(std::string("ab") + bad + "cd");
    EXPECT_TRUE(cut.cut) << bad;
    EXPECT_EQ(cut.name, "ab") << bad;
  }
  EXPECT_EQ(cutAtForbiddenCharacter("..\\..\\evil").name, "..");
}

TEST(NewMapsetChecks, RegisteredNamesAreCountedExactly) {
  const RegistryCatalogue catalogue = registered({{"Topo", "10"}, {"Topo", "11"}, {"topo", "12"}});
  EXPECT_EQ(registeredNameCount("Topo", catalogue), 2);
  EXPECT_EQ(registeredNameCount("Topo Harz", catalogue), 0);
}

TEST(NewMapsetChecks, AFidIsAWholeNumberThatFitsTwoBytes) {
  EXPECT_EQ(fidFromText("0"), 0);
  EXPECT_EQ(fidFromText("65535"), 65535);
  EXPECT_EQ(fidFromText("01234"), 1234);
  EXPECT_FALSE(fidFromText("65536"));
  EXPECT_FALSE(fidFromText("123456"));
  EXPECT_FALSE(fidFromText("-1"));
  EXPECT_FALSE(fidFromText("12a"));
  EXPECT_FALSE(fidFromText(""));
}

TEST(NewMapsetChecks, ARegisteredFidBlocksAPackageFidOnlyWarns) {
  const RegistryCatalogue catalogue = registered({{"Topo", "10"}, {"Broken", "Fehler"}});
  GmapCatalogue packages;
  packages.rows.push_back({"gmap; Harz; FID:4711;PID:3", "", "", "3", "4711", ""});
  EXPECT_EQ(fidClash("10", catalogue, packages), FidClash::Registered);
  EXPECT_EQ(fidClash("010", catalogue, packages), FidClash::Registered);
  EXPECT_EQ(fidClash("4711", catalogue, packages), FidClash::Package);
  EXPECT_EQ(fidClash("12", catalogue, packages), FidClash::None);
}

}  // namespace
}  // namespace mapsetdesk
