// The name and FID checks of a new mapset.
#include <gtest/gtest.h>

#include "catalogue/IdNumber.h"
#include "catalogue/Registration.h"
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

TEST(NewMapsetChecks, TheNameIsCutBeforeItsFirstCharacterNoFileNameMayHold) {
  const NameCut cut = cutAtForbiddenCharacter("Karte S\xC3\xBC" "d");
  EXPECT_EQ(cut.fault, NameFault::AboveAscii);
  EXPECT_EQ(cut.name, "Karte S");
  EXPECT_EQ(cutAtForbiddenCharacter("Topo Harz").name, "Topo Harz");
  EXPECT_EQ(cutAtForbiddenCharacter("Topo Harz").fault, NameFault::None);
  for (const char* bad : {"\\", "/", ":", "*", "?", "\"", "<", ">", "|", "\t"}) {
    const NameCut forbidden = cutAtForbiddenCharacter(std::string("ab") + bad + "cd");
    EXPECT_EQ(forbidden.fault, NameFault::NotInFileNames) << bad;
    EXPECT_EQ(forbidden.name, "ab") << bad;
  }
  EXPECT_EQ(cutAtForbiddenCharacter("..\\..\\evil").name, "..");
}

TEST(NewMapsetChecks, ANameMustLeaveAFileName) {
  EXPECT_EQ(mapsetNameFault(""), NameFault::Empty);
  for (const char* name : {"..", ".", "   ", " . ", "-_-"})
    EXPECT_EQ(mapsetNameFault(name), NameFault::NoLetterOrDigit) << name;
  EXPECT_EQ(mapsetNameFault("a/b"), NameFault::NotInFileNames);
  EXPECT_EQ(mapsetNameFault("A&B <Harz>"), NameFault::NotInFileNames);
  EXPECT_EQ(mapsetNameFault("Topo & Harz"), NameFault::None);
  EXPECT_EQ(mapsetNameFault(" 0 "), NameFault::None);
}

TEST(NewMapsetChecks, FileNamesLoseBlanksAndDotsAtTheirEnds) {
  EXPECT_EQ(nameForFiles(" ..Topo Harz. "), "Topo Harz");
  EXPECT_EQ(nameForFiles("Viele 0.15"), "Viele 0.15");
  EXPECT_EQ(makeMapname("Viele 0.15"), "Viele_0o");
  EXPECT_EQ(makeMapname("  x"), "xooooooo");
  EXPECT_EQ(makeMapname("Topo....Harz"), "Topooooo");
}

TEST(NewMapsetChecks, RegisteredNamesAreComparedAsTheirFilesAreNamed) {
  const RegistryCatalogue catalogue =
      registered({{"Topo_Harz", "10"}, {"Topo Harz Nord", "11"}, {"Other", "12"}, {"", "13"}});
  EXPECT_EQ(registeredNameCount("Topo Harz", catalogue), 2);
  EXPECT_EQ(registeredNameCount("TOPO HARZ SUED", catalogue), 2);
  EXPECT_EQ(registeredNameCount("Topo", catalogue), 0);
  EXPECT_EQ(registeredNameCount("oooooooo", catalogue), 0);
}

TEST(NewMapsetChecks, AnIdIsAWholeNumberFromOneToTwoBytes) {
  EXPECT_EQ(idFromText("1"), 1);
  EXPECT_EQ(idFromText("65535"), 65535);
  EXPECT_EQ(idFromText(" 01234 "), 1234);
  EXPECT_EQ(idFault("0"), IdFault::Zero);
  EXPECT_EQ(idFault("000"), IdFault::Zero);
  for (const char* big : {"65536", "70000", "123456", "99999999999999999999999"})
    EXPECT_EQ(idFault(big), IdFault::TooBig) << big;
  for (const char* text : {"", "   ", "abc", "-1", "+5", "12a", "1.5", "1e3", "0x10"})
    EXPECT_EQ(idFault(text), IdFault::NotANumber) << text;
  EXPECT_FALSE(idFromText("0"));
  EXPECT_FALSE(idFromText("65536"));
}

TEST(NewMapsetChecks, ARegisteredFidBlocksAPackageFidOnlyWarns) {
  const RegistryCatalogue catalogue = registered({{"Topo", "10"}, {"Broken", "Fehler"}});
  GmapCatalogue packages;
  packages.rows.push_back({"gmap; Harz; FID:4711;PID:3", "", "", "3", "4711", "", "Harz", ""});
  EXPECT_EQ(fidClash("10", catalogue, packages), FidClash::Registered);
  EXPECT_EQ(fidClash("010", catalogue, packages), FidClash::Registered);
  EXPECT_EQ(fidClash("4711", catalogue, packages), FidClash::Package);
  EXPECT_EQ(fidClash("12", catalogue, packages), FidClash::None);
}

}  // namespace
}  // namespace mapsetdesk
