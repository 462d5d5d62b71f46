// The product list of a device image, read from mkgmap's image of two
// families, restricted to one family, and read from damaged bytes.
#include <gtest/gtest.h>

#include "formats/ImgContainer.h"
#include "formats/ProductList.h"
#include "support/GarminFiles.h"

namespace mapsetdesk::testing {
namespace {

class ProductListFiles : public GarminFilesTest {
 protected:
  std::string mps() {
    const auto image = readImgContainer(bytesOf("families/gmapsupp.img"));
    for (const ImgSubfile& subfile : image->subfiles)
      if (subfile.type == "MPS") return subfile.bytes;
    return {};
  }
};

TEST_F(ProductListFiles, NamesTheFamiliesTheirTilesAndProducts) {
  const std::string bytes = mps();
  const ProductList list = readProductList(bytes);
  EXPECT_FALSE(list.damaged);
  EXPECT_EQ(list.families(), (std::vector<std::uint16_t>{4711, 4712}));
  ASSERT_EQ(list.maps.size(), 3u);
  EXPECT_EQ(list.maps[0].mapNumber, 63240001u);
  EXPECT_EQ(list.maps[0].pid, 3);
  EXPECT_EQ(list.maps[0].seriesName,
            "Harzkarte S\xFC"
            "d");
  EXPECT_EQ(list.maps[1].description, "Sudteil");
  EXPECT_EQ(list.maps[2].fid, 4712);
  EXPECT_EQ(list.familyName(4711), "Harz Familie");
  EXPECT_EQ(list.familyName(4712), "Harz Zwei");
  EXPECT_EQ(writeProductList(list), bytes);

  const ProductList second = list.only(4712);
  EXPECT_EQ(second.maps.size(), 1u);
  EXPECT_EQ(second.products.size(), 1u);
  EXPECT_EQ(second.mapOf(63250001u)->description, "Zweite");
  EXPECT_EQ(second.mapOf(63240001u), nullptr);
  EXPECT_EQ(second.otherBlocks, list.otherBlocks);
}

TEST(ProductList, ABlockRunningPastTheEndEndsTheListAsDamaged) {
  const std::string product("F\x09\x00\x01\x00\x02\x00Name\x00", 12);
  const ProductList list = readProductList(product + std::string("L\x40\x00\x01\x00", 5));
  EXPECT_TRUE(list.damaged);
  ASSERT_EQ(list.products.size(), 1u);
  EXPECT_EQ(list.products[0].fid, 2);
  EXPECT_EQ(list.products[0].name, "Name");
  EXPECT_EQ(list.familyName(2), "Name");
}

TEST(ProductList, ShortRecordsAndUnterminatedNamesAreKeptAsTheyAre) {
  const std::string tooShort("L\x03\x00\x01\x02\x03", 6);
  const std::string unterminated(
      "F\x06\x00\x01\x00\x07\x00"
      "ab",
      9);
  const ProductList list = readProductList(tooShort + unterminated);
  EXPECT_FALSE(list.damaged);
  EXPECT_TRUE(list.maps.empty());
  EXPECT_EQ(list.otherBlocks, std::vector<std::string>{tooShort});
  ASSERT_EQ(list.products.size(), 1u);
  EXPECT_EQ(list.products[0].name, "ab");
  EXPECT_TRUE(readProductList("").maps.empty());
  EXPECT_FALSE(readProductList("L").damaged);
}

TEST(ProductList, NamesLoseControlCharactersButTheRecordIsCopiedAsItIs) {
  const std::string series = "Karte\r\nID=5\x01\x7F";
  std::string record("L\x00\x00\x01\x00\x02\x00\x07\x00\x00\x00", 11);
  record += series + '\0' + "Kachel\t1" + '\0' + '\0';
  record[1] = static_cast<char>(record.size() - 3);
  const ProductList list = readProductList(record);
  ASSERT_EQ(list.maps.size(), 1u);
  EXPECT_EQ(list.maps[0].seriesName, "KarteID=5");
  EXPECT_EQ(list.maps[0].description, "Kachel1");
  EXPECT_EQ(writeProductList(list), record);
}

TEST(ProductList, SplitByFamilyInOnePassAsOnlyWouldGiveIt) {
  ProductList list;
  for (std::uint32_t tile = 0; tile < 6; ++tile)
    list.maps.push_back({1, static_cast<std::uint16_t>(tile % 3), tile, "", "", "", "m"});
  list.products.push_back({1, 2, "Zwei", "p"});
  list.otherBlocks = {"x"};
  const auto families = list.byFamily();
  ASSERT_EQ(families.size(), 3u);
  for (const auto& [fid, family] : families) {
    const ProductList only = list.only(fid);
    EXPECT_EQ(writeProductList(family) + "x", writeProductList(only)) << fid;
  }
  EXPECT_EQ(list.families(), (std::vector<std::uint16_t>{0, 1, 2}));
  const MapRecordIndex index(list);
  EXPECT_EQ(index.of(4), &list.maps[4]);
  EXPECT_EQ(index.of(9), nullptr);
}

}  // namespace
}  // namespace mapsetdesk::testing
