// The new-FID field of the FID changer: what it keeps and when the change
// button may be pressed.
#include "edit/FidEntry.h"

#include <gtest/gtest.h>

namespace mapsetdesk {
namespace {

TEST(FidEntry, KeepsTheIntegerPartOfANumber) {
  EXPECT_EQ(readFidEntry("12.7").text, "12");
  EXPECT_EQ(readFidEntry(" 12,2 ").text, "12");
  EXPECT_TRUE(readFidEntry("12.7").changeable);
  EXPECT_EQ(readFidEntry("65535").text, "65535");
  EXPECT_TRUE(readFidEntry("65535").changeable);
  EXPECT_FALSE(readFidEntry("65535").tooBig);
}

TEST(FidEntry, ZeroAndNegativeNumbersDisableTheChange) {
  for (const char* typed : {"0", "0.9", "-5"}) {
    EXPECT_FALSE(readFidEntry(typed).changeable) << typed;
    EXPECT_FALSE(readFidEntry(typed).tooBig) << typed;
  }
  EXPECT_EQ(readFidEntry("0.9").text, "0");
}

TEST(FidEntry, AboveTwoBytesLeavesZero) {
  for (const char* typed : {"65536", "65535.5", "99999999"}) {
    const FidEntry entry = readFidEntry(typed);
    EXPECT_TRUE(entry.tooBig) << typed;
    EXPECT_EQ(entry.text, "0") << typed;
    EXPECT_FALSE(entry.changeable) << typed;
  }
}

TEST(FidEntry, TextThatIsNoNumberIsCleared) {
  for (const char* typed : {"", "12a", "1.2.3", "-", "."}) {
    const FidEntry entry = readFidEntry(typed);
    EXPECT_EQ(entry.text, "") << typed;
    EXPECT_FALSE(entry.changeable) << typed;
    EXPECT_FALSE(entry.tooBig) << typed;
  }
}

TEST(FidEntry, InUseComparesWithBothCatalogues) {
  RegistryCatalogue registry;
  registry.rows.emplace_back().cells.fid = "500";
  GmapCatalogue packages;
  packages.rows.emplace_back().fid = "4711";
  EXPECT_TRUE(isFidInUse("500", registry, packages));
  EXPECT_TRUE(isFidInUse("4711", registry, packages));
  EXPECT_FALSE(isFidInUse("501", registry, packages));
}

}  // namespace
}  // namespace mapsetdesk
