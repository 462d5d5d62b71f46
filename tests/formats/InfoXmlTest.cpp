#include "formats/InfoXml.h"

#include <gtest/gtest.h>

#include "support/GarminFiles.h"
#include "formats/GmapPackage.h"
#include "platform/Codec.h"
#include "platform/FileReplace.h"

namespace mapsetdesk::testing {
namespace {

std::size_t lineCount(std::string_view text) {
  std::size_t lines = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string_view::npos;
       at = text.find("\r\n", at + 2))
    ++lines;
  return lines;
}

TEST(InfoXmlWriter, NewMapsetWithIndexLineByLine) {
  const std::string written = infoXmlForNewMapset({"Harz S\xC3\xBC" "d", "4711", "Harz_Sud", true});
  EXPECT_EQ(written,
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\r\n"
            "<MapProduct xmlns=\"http://www.garmin.com/xmlschemas/MapProduct/v1\">\r\n"
            "<Name>Harz S\xC3\xBC" "d</Name>\r\n"
            "<DataVersion>100</DataVersion>\r\n"
            "<DataFormat>Original</DataFormat>\r\n"
            "<ID>4711</ID>\r\n"
            "<IDX>Harz_Sud.mdx</IDX>\r\n"
            "<SubProduct>\r\n"
            "<Name>Harz S\xC3\xBC" "d</Name>\r\n"
            "<ID>1</ID>\r\n"
            "<BaseMap>mapset</BaseMap>\r\n"
            "<TDB>Harz_Sud.tdb</TDB>\r\n"
            "<Directory>Product1</Directory>\r\n"
            "</SubProduct>\r\n"
            "</MapProduct>\r\n");
  EXPECT_EQ(lineCount(written), 15u);
  EXPECT_EQ(lineCount(infoXmlForNewMapset({"Harz", "4711", "Harzoooo", false})), 14u)
      << "no index file, no IDX line";
}

TEST(InfoXmlWriter, ExistingTdbWithEveryOptionalFile) {
  const ExistingTdbInfo info{gmapPackageName("Karte S\xC3\xBC" "d"), "6000", "2", "karte.mdx",
                             true, "6000.Typ", "karte.tdb"};
  const std::string written = infoXmlForExistingTdb(info);
  EXPECT_EQ(written,
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\r\n"
            "<MapProduct xmlns=\"http://www.garmin.com/xmlschemas/MapProduct/v1\">\r\n"
            "<Name>Karte_SUd</Name>\r\n"
            "<DataVersion>100</DataVersion>\r\n"
            "<DataFormat>Original</DataFormat>\r\n"
            "<ID>6000</ID>\r\n"
            "<IDX>karte.mdx</IDX>\r\n"
            "<MDR>MDRMAP</MDR>\r\n"
            "<TYP>6000.Typ</TYP>\r\n"
            "<SubProduct>\r\n"
            "<Name>Karte_SUd</Name>\r\n"
            "<ID>2</ID>\r\n"
            "<BaseMap>mapset</BaseMap>\r\n"
            "<TDB>karte.tdb</TDB>\r\n"
            "<Directory>Product2</Directory>\r\n"
            "</SubProduct>\r\n"
            "</MapProduct>\r\n");
  EXPECT_EQ(lineCount(written), 17u);
}

TEST(InfoXmlWriter, ExistingTdbLeavesOutMissingFilesAndMasksNonAscii) {
  ExistingTdbInfo info{"Caf\xC3\xA9 \xE2\x82\xAC", "6000", "1", std::nullopt, false, std::nullopt,
                       "k.tdb"};
  std::string written = infoXmlForExistingTdb(info);
  EXPECT_EQ(lineCount(written), 14u);
  EXPECT_NE(written.find("\r\n<Name>Caf? ?</Name>\r\n"), std::string::npos);
  EXPECT_EQ(written.find("<MDR>"), std::string::npos);
  info.withMdr = true;
  EXPECT_EQ(lineCount(infoXmlForExistingTdb(info)), 15u);
}

TEST(InfoXmlWriter, MarkupInNamesIsEscapedAndReadBack) {
  const std::string written = infoXmlForNewMapset({"Berg & Tal <Ost>", "77", "Berg_&_T", false});
  EXPECT_NE(written.find("<Name>Berg &amp; Tal &lt;Ost&gt;</Name>"), std::string::npos);
  const InfoXmlContent read = parseInfoXml(written);
  ASSERT_EQ(read.products.size(), 1u);
  EXPECT_EQ(read.products[0].name, "Berg & Tal <Ost>");
  EXPECT_EQ(read.products[0].tdbFile, "Berg_&_T.tdb");
}

TEST(InfoXmlReader, ReadsOurOwnFileWithUmlauts) {
  const InfoXmlContent read =
      parseInfoXml(infoXmlForNewMapset({"Harz S\xC3\xBC" "d", "4711", "Harz_Sud", true}));
  EXPECT_FALSE(read.damaged);
  EXPECT_EQ(read.fid, "4711");
  EXPECT_EQ(read.index, "Harz_Sud.mdx");
  ASSERT_EQ(read.products.size(), 1u);
  EXPECT_EQ(read.products[0].name, "Harz S\xC3\xBC" "d") << "UTF-8 read as such";
  EXPECT_EQ(read.products[0].number, "1");
  EXPECT_EQ(read.products[0].tdbFile, "Harz_Sud.tdb");
}

TEST(InfoXmlWriter, NonAsciiNamesAreWrittenAsTheDeclaredUtf8) {
  const std::string mueritz = "M\xC3\xBCritz";
  const std::string written = infoXmlForNewMapset({mueritz, "815", "Mueritzo", false});
  EXPECT_TRUE(isValidUtf8(written));
  EXPECT_EQ(written.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\r\n", 0),
            0u);
  EXPECT_NE(written.find("\r\n<Name>" + mueritz + "</Name>\r\n<DataVersion>"), std::string::npos);
  EXPECT_NE(written.find("<SubProduct>\r\n<Name>" + mueritz + "</Name>\r\n"), std::string::npos);
  const InfoXmlContent read = parseInfoXml(written);
  ASSERT_EQ(read.products.size(), 1u);
  EXPECT_EQ(read.products[0].name, mueritz);

  // Packages written by earlier versions hold Windows-1252 and still read.
  std::string older = written;
  for (std::size_t at = older.find(mueritz); at != std::string::npos; at = older.find(mueritz))
    older.replace(at, mueritz.size(), "M\xFCritz");
  EXPECT_EQ(parseInfoXml(older).products.at(0).name, mueritz);
}

using InfoXmlFromMkgmap = GarminFilesTest;

TEST_F(InfoXmlFromMkgmap, ReadsMkgmapsIndentedUtf8) {
  const InfoXmlContent read = parseInfoXml(bytesOf("mapset/Harz Familie.gmap/Info.xml"));
  EXPECT_FALSE(read.damaged);
  EXPECT_EQ(read.fid, "4711");
  EXPECT_EQ(read.index, "osmmap.mdx");
  ASSERT_EQ(read.products.size(), 1u);
  EXPECT_EQ(read.products[0].name, "Harzkarte S\xC3\xBC" "d") << "UTF-8 read as such";
  EXPECT_EQ(read.products[0].number, "3");
  EXPECT_EQ(read.products[0].tdbFile, "osmmap.tdb");
  EXPECT_TRUE(std::filesystem::exists(garmin("mapset/Harz Familie.gmap") /
                                      productFolder(read.products[0].number) /
                                      read.products[0].tdbFile));
}

TEST(InfoXmlReader, TwoSubProductsGiveTwoRowsWithoutIndex) {
  const std::string text =
      "<MapProduct><Name>F</Name><ID>900</ID>\n"
      "<SubProduct><Name>Nord</Name><ID>1</ID><TDB>n.tdb</TDB></SubProduct>\n"
      "<SubProduct><Name>Sued</Name><ID>2</ID><TDB>s.tdb</TDB></SubProduct></MapProduct>";
  const InfoXmlContent read = parseInfoXml(text);
  EXPECT_FALSE(read.damaged);
  EXPECT_EQ(read.fid, "900");
  EXPECT_EQ(read.index, "KeinMDXFILE");
  ASSERT_EQ(read.products.size(), 2u);
  EXPECT_EQ(read.products[1].name, "Sued");
  EXPECT_EQ(read.products[1].number, "2");
  EXPECT_EQ(read.products[1].tdbFile, "s.tdb");
}

TEST(InfoXmlReader, AMissingElementMarksTheFileDamagedAndKeepsEarlierRows) {
  EXPECT_TRUE(parseInfoXml("<MapProduct><Name>F</Name></MapProduct>").damaged);
  EXPECT_TRUE(parseInfoXml("<ID>5</ID><IDX>a.mdx").damaged);
  EXPECT_TRUE(parseInfoXml("").damaged);

  // The second product lacks its TDB; the third product's must not stand in.
  const InfoXmlContent read = parseInfoXml(
      "<ID>5</ID><SubProduct><Name>A</Name><ID>1</ID><TDB>a.tdb</TDB></SubProduct>"
      "<SubProduct><Name>B</Name><ID>2</ID></SubProduct>"
      "<SubProduct><Name>C</Name><ID>3</ID><TDB>c.tdb</TDB></SubProduct>");
  EXPECT_TRUE(read.damaged);
  ASSERT_EQ(read.products.size(), 1u);
  EXPECT_EQ(read.products[0].name, "A");
}

TEST(InfoXmlReader, ProductWithoutClosingTagEndsAtTheNextProduct) {
  const InfoXmlContent read = parseInfoXml(
      "<ID>5</ID><SubProduct><Name>A</Name><ID>1</ID>"
      "<SubProduct><Name>C</Name><ID>3</ID><TDB>c.tdb</TDB></SubProduct>");
  EXPECT_TRUE(read.damaged);
  EXPECT_TRUE(read.products.empty());
}

TEST(InfoXmlFile, ReplacingTheFileNeverLeavesItMissing) {
  TempDir dir;
  const std::string path = (dir / "Info.xml").string();
  writeFile(path, "old");
  ASSERT_TRUE(replaceFile(path, infoXmlForNewMapset({"Neu", "1", "Neuooooo", false})));
  EXPECT_EQ(parseInfoXml(readFile(path)).products.at(0).name, "Neu");
}

TEST(GmapPackage, PackageNamesReplaceBlanksSlashesAndAccents) {
  EXPECT_EQ(gmapPackageName("Karte S\xC3\xBC" "d"), "Karte_SUd");
  EXPECT_EQ(gmapPackageName("a/b\\c d"), "a_b_c_d");
  EXPECT_EQ(gmapPackageName("\xC3\x80\xC3\x86\xC3\xA0\xC3\xA6"), "AAAA");  // À Æ à æ
  EXPECT_EQ(gmapPackageName("\xC3\x92\xC3\x96\xC3\x98\xC3\xB2\xC3\xB6\xC3\xB8"), "OOOOOO");
  EXPECT_EQ(gmapPackageName("\xC3\x99\xC3\x9C\xC3\xB9\xC3\xBC"), "UUUU");
  EXPECT_EQ(gmapPackageName("\xC3\x97\xC3\x9F\xC3\xA9"), "\xC3\x97\xC3\x9F\xC3\xA9")
      << "× ß é stay";
  EXPECT_EQ(productFolder("12"), "Product12");
}

}  // namespace
}  // namespace mapsetdesk::testing
