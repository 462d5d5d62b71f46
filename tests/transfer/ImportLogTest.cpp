// The import's reading of an export's log: which field each name goes to,
// where the reading stops, and the names it refuses because they could
// reach outside the copied folder.
#include <gtest/gtest.h>

#include "transfer/ImportLog.h"

namespace mapsetdesk {
namespace {

TEST(ImportLog, EachNameGoesToTheFieldItsEndGives) {
  EXPECT_EQ(classifyLogName("harz.TDB"), LogField::Tdb);
  EXPECT_EQ(classifyLogName("harz.Tdb"), LogField::Tdb);
  EXPECT_EQ(classifyLogName("harz.TdB"), LogField::None) << "only the cases listed";
  EXPECT_EQ(classifyLogName("osmmap.img"), LogField::Overview);
  EXPECT_EQ(classifyLogName("osmmap.Img"), LogField::Overview);
  EXPECT_EQ(classifyLogName("osmmap_mdr.img"), LogField::Mdr);
  EXPECT_EQ(classifyLogName("HARZMDR.IMG"), LogField::Mdr);
  EXPECT_EQ(classifyLogName("harzmdr.IMG"), LogField::Mdr);
  EXPECT_EQ(classifyLogName("harz_Mdr.Img"), LogField::None)
      << "mdr. in another case is passed over";
  EXPECT_EQ(classifyLogName("harz_MDR.img"), LogField::None);
  EXPECT_EQ(classifyLogName("2104.Typ"), LogField::Typ);
  EXPECT_EQ(classifyLogName("harz.trf"), LogField::Trf);
  EXPECT_EQ(classifyLogName("osmmap.MDX"), LogField::Index);
  EXPECT_EQ(classifyLogName("liesmich.txt"), LogField::None);
}

TEST(ImportLog, ReadsUpToTheFirstEmptyLineAndALaterNameReplaces) {
  const LogNames names = readImportLog(
      "osmmap_mdr.img\r\nosmmap.mdx\r\nerst.img\r\nosmmap.tdb\r\nosmmap.img\r\n\r\n2104.Typ\r\n");
  EXPECT_EQ(names.mdr, "osmmap_mdr.img");
  EXPECT_EQ(names.index, "osmmap.mdx");
  EXPECT_EQ(names.tdb, "osmmap.tdb");
  EXPECT_EQ(names.overview, "osmmap.img") << "the later overview replaces the earlier";
  EXPECT_EQ(names.typ, "") << "names after the empty line are not read";
  EXPECT_FALSE(names.refused);

  const LogNames passedOver = readImportLog("karte_Mdr.Img\nkarte.tdb");
  EXPECT_EQ(passedOver.mdr, "");
  EXPECT_EQ(passedOver.overview, "");
  EXPECT_EQ(passedOver.tdb, "karte.tdb") << "LF ends a line too, and so does the end";
  EXPECT_EQ(readImportLog("S\xFC"
                          "d.tdb\r\n")
                .tdb,
            "S\xC3\xBC"
            "d.tdb")
      << "Windows-1252 names are read as such";
}

TEST(ImportLog, NamesThatCouldReachOutsideTheCopyAreRefused) {
  for (const std::string name :
       {"..", "../osmmap.tdb", "..\\osmmap.tdb", "sub/osmmap.tdb", "C:osmmap.tdb",
        "C:\\Windows\\system.ini", "os?map.img", "osm*.img", "a<b.tdb", "tab\t.tdb"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(isPlainFileName(name));
    const LogNames names = readImportLog("osmmap.img\r\n" + name + "\r\nosmmap.tdb\r\n");
    ASSERT_TRUE(names.refused);
    EXPECT_EQ(*names.refused, name);
    EXPECT_EQ(names.tdb, "") << "the reading stops at the refused name";
  }
  EXPECT_TRUE(isPlainFileName("osmmap..tdb"));
  EXPECT_TRUE(
      isPlainFileName("Harz S\xC3\xBC"
                      "d.img"));
}

}  // namespace
}  // namespace mapsetdesk
