// The TYP entries of a package's Info.xml and Info_v2.xml, changed as text.
#include <gtest/gtest.h>

#include "formats/InfoXmlTyp.h"

namespace mapsetdesk::testing {
namespace {

TEST(InfoXmlTyp, ReplacesTheFirstTypElementAfterNormalisingItsTags) {
  EXPECT_EQ(infoXmlWithTyp("<ID>7</ID>\n<typ>alt.typ</typ>\n<SubProduct>", "7.Typ"),
            "<ID>7</ID>\n<TYP>7.Typ</TYP>\n<SubProduct>");
  EXPECT_EQ(infoXmlWithTyp("<Typ>a</Typ><TYP>b</TYP>", "7.Typ"), "<TYP>7.Typ</TYP><TYP>b</TYP>");
}

TEST(InfoXmlTyp, WithoutTypElementOneGoesBeforeTheFirstSubProductOnly) {
  EXPECT_EQ(infoXmlWithTyp("<ID>7</ID>\r\n<SubProduct>a</SubProduct><SubProduct>", "7.Typ"),
            "<ID>7</ID>\r\n<TYP>7.Typ</TYP>\n<SubProduct>a</SubProduct><SubProduct>");
  EXPECT_EQ(infoXmlWithTyp("<ID>7</ID>", "7.Typ"), "<ID>7</ID>");
}

TEST(InfoXmlTyp, RemovalTakesOutTheFirstTypElementOrChangesNothing) {
  EXPECT_EQ(infoXmlWithoutTyp("<ID>7</ID><typ>7.Typ</typ><SubProduct>"), "<ID>7</ID><SubProduct>");
  EXPECT_EQ(infoXmlWithoutTyp("<ID>7</ID><SubProduct>"), "<ID>7</ID><SubProduct>");
}

TEST(InfoXmlTyp, InfoV2EntryIsReplacedOrAddedAfterFilesAndRemovedAsABlank) {
  const std::string with = "<Files><File id=\"TYP\">alt.typ</File><File id=\"TDB\">a</File>";
  EXPECT_EQ(infoV2WithTyp(with, "7.Typ"),
            "<Files><File id=\"TYP\">7.Typ</File><File id=\"TDB\">a</File>");
  EXPECT_EQ(infoV2WithTyp("<Files><File id=\"TDB\">a</File>", "7.Typ"),
            "<Files>\n<File id=\"TYP\">7.Typ</File>\n<File id=\"TDB\">a</File>");
  EXPECT_EQ(infoV2WithoutTyp(with), "<Files> <File id=\"TDB\">a</File>");
  EXPECT_EQ(infoV2WithoutTyp("<Files></Files>"), "<Files></Files>");
}

}  // namespace
}  // namespace mapsetdesk::testing
