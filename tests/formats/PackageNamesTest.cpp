// Names that a package's Info.xml gives: file names must stay inside the
// package, and the product name is changed as the text of its elements only.
#include <gtest/gtest.h>

#include "formats/InfoXml.h"
#include "formats/InfoXmlName.h"
#include "formats/PackageFileName.h"
#include "platform/Codec.h"
#include "support/GarminFiles.h"

namespace mapsetdesk::testing {
namespace {

TEST(PackageFileName, OnlyAPlainNameInsideItsFolderIsAccepted) {
  for (const char* plain : {"osmmap.tdb", "Karte Süd.mdx", "a", ".hidden", "MDRMAP", "3",
                            "console.tdb", "COM10.tdb", "nul-ish.typ"})
    EXPECT_TRUE(isPlainFileName(plain)) << plain;
  for (const char* outside :
       {"", " ", ".", "..", "...", ". .", "..\\..\\victim.tdb", "../victim.tdb", "a/b.tdb",
        "a\\b.tdb", "C:victim.tdb", "C:\\victim.tdb", "\\\\server\\share\\x.tdb", "/etc/passwd",
        "NUL", "nul.tdb", "Con", "COM1.tdb", "lpt9", "AUX .typ", "karte.tdb.", "karte.tdb ",
        "a<b", "a|b", "a?b", "a*b", "a\"b", "a\tb"})
    EXPECT_FALSE(isPlainFileName(outside)) << outside;
}

TEST(PackageFileName, UnsafeCharactersOfAFileNameBecomeUnderscores) {
  EXPECT_EQ(fileNameSafe("..\\..\\Karte/Süd:1*?"), ".._.._Karte_Süd_1__");
  EXPECT_EQ(fileNameSafe("Harz <Nord> | \"A\""), "Harz _Nord_ _ _A_");
}

std::string package(const std::string& family, const std::string& product) {
  return "<MapProduct><Name>F</Name><ID>900</ID>" + family +
         "<SubProduct><Name>Nord</Name><ID>1</ID><TDB>n.tdb</TDB></SubProduct>" + product +
         "</MapProduct>";
}

TEST(InfoXmlReader, AFileNameLeadingOutOfThePackageMarksItDamagedWithoutItsRows) {
  EXPECT_FALSE(parseInfoXml(package("<IDX>a.mdx</IDX><MDR>MDRMAP</MDR><TYP>1.Typ</TYP>", ""))
                   .damaged);
  EXPECT_FALSE(parseInfoXml(package("<TYP></TYP>", "")).damaged) << "an empty TYP names none";
  for (const std::string family :
       {"<IDX>..\\..\\..\\victim.mdx</IDX>", "<MDR>../../up</MDR>", "<TYP>C:\\victim.typ</TYP>",
        "<typ>..\\v.typ</typ>", "<IDX>NUL</IDX>"}) {
    const InfoXmlContent read = parseInfoXml(package(family, ""));
    EXPECT_TRUE(read.damaged) << family;
    EXPECT_TRUE(read.products.empty()) << family;
  }
  for (const std::string product :
       {"<SubProduct><Name>S</Name><ID>2</ID><TDB>..\\..\\..\\..\\..\\victim.tdb</TDB>"
        "</SubProduct>",
        "<SubProduct><Name>S</Name><ID>..\\..</ID><TDB>s.tdb</TDB></SubProduct>",
        "<SubProduct><Name>S</Name><ID>2</ID><TDB>/tmp/victim.tdb</TDB></SubProduct>",
        "<SubProduct><Name>S</Name><ID>2</ID><TDB>&lt;.tdb</TDB></SubProduct>"}) {
    const InfoXmlContent read = parseInfoXml(package("", product));
    EXPECT_TRUE(read.damaged) << product;
    ASSERT_EQ(read.products.size(), 1u) << "the plain product before it stays";
    EXPECT_EQ(read.products[0].tdbFile, "n.tdb");
  }
}

using InfoXmlNameOfMkgmap = GarminFilesTest;

TEST_F(InfoXmlNameOfMkgmap, OnlyTheSubProductsNameChangesInMkgmapsFile) {
  const std::string original = bytesOf("mapset/Harz Familie.gmap/Info.xml");
  const auto renamed = infoXmlWithProductName(original, "3", "Harzkarte Süd", "A&B <Nord>");
  ASSERT_TRUE(renamed);
  std::string expected = original;
  const std::string old = "<Name>Harzkarte S\xC3\xBC" "d</Name>";
  expected.replace(expected.find(old), old.size(), "<Name>A&amp;B &lt;Nord&gt;</Name>");
  EXPECT_EQ(*renamed, expected) << "the family's name and every other byte stay";
  const InfoXmlContent read = parseInfoXml(*renamed);
  ASSERT_EQ(read.products.size(), 1u);
  EXPECT_EQ(read.products[0].name, "A&B <Nord>");
  EXPECT_FALSE(infoXmlWithProductName(original, "4", "Harzkarte Süd", "X"))
      << "no product 4";
}

// "Map" stands in the namespace, the tag names and the TDB's file name; a
// rename once made them "FooProduct" and "Fooooooo.tdb".
TEST(InfoXmlName, AnOldNameInsideMarkupAndFileNamesIsLeftThere) {
  const std::string before =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\r\n"
      "<MapProduct xmlns=\"http://www.garmin.com/xmlschemas/MapProduct/v1\">\r\n"
      "<Name>Map</Name>\r\n<DataVersion>100</DataVersion>\r\n<ID>77</ID>\r\n"
      "<SubProduct>\r\n<Name>Map</Name>\r\n<ID>1</ID>\r\n<BaseMap>mapset</BaseMap>\r\n"
      "<TDB>Mapooooo.tdb</TDB>\r\n<Directory>Product1</Directory>\r\n</SubProduct>\r\n"
      "</MapProduct>\r\n";
  const auto renamed = infoXmlWithProductName(before, "1", "Map", "Foo & <Bar>");
  ASSERT_TRUE(renamed);
  std::string expected = before;
  for (int i = 0; i < 2; ++i) {
    const std::size_t at = expected.find("<Name>Map</Name>");
    expected.replace(at, 16, "<Name>Foo &amp; &lt;Bar&gt;</Name>");
  }
  EXPECT_EQ(*renamed, expected);
  const InfoXmlContent read = parseInfoXml(*renamed);
  ASSERT_EQ(read.products.size(), 1u);
  EXPECT_EQ(read.products[0].tdbFile, "Mapooooo.tdb");
}

TEST(InfoXmlName, AWindows1252FileGetsTheNameInWindows1252AndOnlyItsProduct) {
  const std::string before = toAnsi(
      "<Name>Familie</Name><ID>9</ID>"
      "<SubProduct><Name>Süd</Name><ID>1</ID><TDB>s.tdb</TDB></SubProduct>"
      "<SubProduct><Name>Süd</Name><ID>2</ID><TDB>t.tdb</TDB></SubProduct>");
  const auto renamed = infoXmlWithProductName(before, "2", "Süd", "Nörd");
  ASSERT_TRUE(renamed);
  EXPECT_EQ(*renamed, toAnsi("<Name>Familie</Name><ID>9</ID>"
                             "<SubProduct><Name>Süd</Name><ID>1</ID><TDB>s.tdb</TDB></SubProduct>"
                             "<SubProduct><Name>Nörd</Name><ID>2</ID><TDB>t.tdb</TDB>"
                             "</SubProduct>"));
}

}  // namespace
}  // namespace mapsetdesk::testing
