// Free FIDs and duplicate FID/PID pairs, over catalogue rows as the listings
// leave them.
#include <gtest/gtest.h>

#include "catalogue/FidAllocation.h"
#include "support/ScriptedDialogs.h"

namespace mapsetdesk::testing {
namespace {

struct Rows {
  RegistryCatalogue registry;
  GmapCatalogue packages;

  Rows& mapset(const std::string& fid, const std::string& pid = "1") {
    CatalogueRow row;
    row.cells = {"Karte " + fid, fid, pid};
    registry.rows.push_back(row);
    return *this;
  }
  Rows& package(const std::string& fid, const std::string& pid = "1") {
    GmapRow row;
    row.display = "gmap; Paket; FID:" + fid + ";PID:" + pid;
    row.fid = fid;
    row.pid = pid;
    packages.rows.push_back(row);
    return *this;
  }
  std::optional<std::uint16_t> free() const { return FreieIdNr(registry, packages); }
  std::vector<std::string> duplicates() const {
    return duplicateFids(registry, packages, [] {});
  }
};

TEST(FidCellValue, ReadsTheDigitsAfterLeadingBlanks) {
  EXPECT_EQ(fidCellValue("4711"), 4711u);
  EXPECT_EQ(fidCellValue(" 10"), 10u);
  EXPECT_EQ(fidCellValue("0123"), 123u);
  EXPECT_EQ(fidCellValue("12;PID:3"), 12u);
  EXPECT_EQ(fidCellValue("Fehler"), 0u);
  EXPECT_EQ(fidCellValue(""), 0u);
  EXPECT_GT(fidCellValue("99999999999999999999999"), 9999u);
}

TEST(FreieIdNr, NothingInstalledGivesTen) { EXPECT_EQ(Rows().free(), 10); }

TEST(FreieIdNr, TheLowestGapIsTaken) {
  EXPECT_EQ(Rows().mapset("10").mapset("11").mapset("13").free(), 12);
  EXPECT_EQ(Rows().mapset("11").free(), 10);
  EXPECT_EQ(Rows().mapset("9").mapset("5000").free(), 10);
}

TEST(FreieIdNr, PackagesBlockTheirFidLikeRegistrations) {
  EXPECT_EQ(Rows().package(" 10").free(), 11);
  EXPECT_EQ(Rows().mapset("10").package("11").free(), 12);
  EXPECT_EQ(Rows().package("0010").mapset("11").free(), 12);
}

TEST(FreieIdNr, BrokenRowsBlockNothing) {
  EXPECT_EQ(Rows().mapset("Fehler", "fehler").free(), 10);
  EXPECT_EQ(Rows().mapset("10").package("kaputt").free(), 11);
}

TEST(FreieIdNr, ANameWithAColonDoesNotHideThePackagesFid) {
  Rows rows;
  rows.package("10");
  rows.packages.rows[0].display = "gmap; Harz: Nord; FID:10;PID:1";
  EXPECT_EQ(rows.free(), 11);
}

TEST(FreieIdNr, AFamilyKeyNamedAsANewInstallationNamesItKeepsItsFidTaken) {
  Rows rows;
  rows.mapset("11");
  rows.registry.familyNames = {"Topo_Har10", "Topo_Deutsch12", "Abc13", "Topo_Har014",
                               "Topo_Har15x", "Topo_Har12"};
  EXPECT_EQ(rows.free(), 13);
}

TEST(FreieIdNr, NoneWhenEveryNumberIsUsed) {
  Rows rows;
  for (int fid = 10; fid <= 9999; ++fid) rows.mapset(std::to_string(fid));
  EXPECT_EQ(rows.free(), std::nullopt);
  rows.registry.rows.pop_back();
  EXPECT_EQ(rows.free(), 9999);
}

TEST(DuplicateFids, SameFamilyWithOtherProductsIsNoDuplicate) {
  EXPECT_TRUE(Rows().mapset("30", "1").mapset("30", "2").package("30", "3").duplicates().empty());
}

TEST(DuplicateFids, ARegistrationAndAPackageWithEqualIdsAreReportedOnce) {
  EXPECT_EQ(Rows().mapset("500").package("500").duplicates(), std::vector<std::string>{"500"});
}

TEST(DuplicateFids, FidsCompareAsNumbersAndPidsAsTexts) {
  EXPECT_EQ(Rows().mapset("500").package("0500").duplicates(), std::vector<std::string>{"500"});
  EXPECT_TRUE(Rows().mapset("500", "1").package("500", "01").duplicates().empty());
}

TEST(DuplicateFids, RowsWithoutANumberTakeNoPart) {
  EXPECT_TRUE(Rows().mapset("Fehler", "fehler").mapset("Fehler", "fehler").duplicates().empty());
  EXPECT_TRUE(Rows().package("").package("").duplicates().empty());
}

TEST(DuplicateFids, PairsComeRegistryFirstThenAgainstPackagesThenPackages) {
  const Rows rows = Rows()
                        .mapset("40")
                        .mapset("41")
                        .mapset("40")
                        .mapset("40")
                        .package("41")
                        .package("0042")
                        .package("42");
  // Three registrations of 40 make three pairs.
  EXPECT_EQ(rows.duplicates(), (std::vector<std::string>{"40", "40", "40", "41", "0042"}));
}

TEST(DoppelteFID, TellsEveryDuplicateAndLetsEventsRunBetweenRows) {
  ScriptedDialogs dialogs;
  int eventRuns = 0;
  const Rows rows = Rows().mapset("500").mapset("7").package("500");
  DoppelteFID(rows.registry, rows.packages, dialogs, [&eventRuns] { ++eventRuns; });
  const Message shown = dialogs.take();
  EXPECT_EQ(shown.text, "FID 500 ist doppelt.");
  EXPECT_EQ(shown.title, "ZORVAN");
  EXPECT_EQ(shown.buttons, Buttons::Ok);
  dialogs.expectAllTaken();
  // Each registry row twice (among themselves, against packages), each package once.
  EXPECT_EQ(eventRuns, 5);
}

TEST(DoppelteFID, AnEmptyCatalogueSaysNothing) {
  ScriptedDialogs dialogs;
  DoppelteFID({}, {}, dialogs, [] {});
  dialogs.expectAllTaken();
}

}  // namespace
}  // namespace mapsetdesk::testing
