// The IMG container: read from mkgmap's files (plain and scrambled), written
// and read back, laid out for subfiles of many blocks, and refused when
// damaged.
#include <gtest/gtest.h>

#include "formats/ImgContainer.h"
#include "formats/ImgDirectory.h"
#include "formats/ImgLayout.h"
#include "support/GarminFiles.h"

namespace mapsetdesk::testing {
namespace {

std::vector<std::string> namesOf(const ImgContainer& container) {
  std::vector<std::string> names;
  for (const ImgSubfile& subfile : container.subfiles) names.push_back(subfile.fileName());
  return names;
}

std::string xored(std::string bytes, char key) {
  for (char& byte : bytes) byte = static_cast<char>(byte ^ key);
  return bytes;
}

class ImgContainerFiles : public GarminFilesTest {};

TEST_F(ImgContainerFiles, ReadsTheSubfilesOfMkgmapsImagesInDirectoryOrder) {
  const auto tile = readImgContainer(bytesOf("mapset/63240001.img"));
  ASSERT_TRUE(tile);
  EXPECT_EQ(tile->description, "Nordteil");
  EXPECT_EQ(namesOf(*tile),
            (std::vector<std::string>{"63240001.RGN", "63240001.TRE", "63240001.LBL"}));
  EXPECT_EQ(tile->subfiles[1].bytes.size(), 712u);
  EXPECT_EQ(tile->subfiles[1].bytes.substr(2, 10), "GARMIN TRE");

  const auto image = readImgContainer(bytesOf("families/gmapsupp.img"));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->subfiles.size(), 13u);
  EXPECT_EQ(image->subfiles.front().fileName(), "MAKEGMAP.MPS");
}

TEST_F(ImgContainerFiles, AScrambledCopyReadsTheSame) {
  const std::string plain = bytesOf("families/gmapsupp.img");
  const auto expected = readImgContainer(plain);
  for (const char key : {'\x01', '\x5A', '\xFF'}) {
    const auto read = readImgContainer(xored(plain, key));
    ASSERT_TRUE(read) << int(key);
    EXPECT_EQ(read->description, expected->description);
    ASSERT_EQ(namesOf(*read), namesOf(*expected));
    for (std::size_t i = 0; i < read->subfiles.size(); ++i)
      EXPECT_EQ(read->subfiles[i].bytes, expected->subfiles[i].bytes) << i;
  }
}

TEST_F(ImgContainerFiles, WrittenAgainItReadsTheSameAndHasTheHeaderGarminProgramsExpect) {
  const auto original = readImgContainer(bytesOf("families/gmapsupp.img"));
  const std::string written = writeImgContainer(*original);
  const auto again = readImgContainer(written);
  ASSERT_TRUE(again);
  EXPECT_EQ(again->description, original->description);
  ASSERT_EQ(namesOf(*again), namesOf(*original));
  for (std::size_t i = 0; i < again->subfiles.size(); ++i)
    EXPECT_EQ(again->subfiles[i].bytes, original->subfiles[i].bytes) << i;
  EXPECT_EQ(written[0], '\0');
  EXPECT_EQ(written.substr(0x10, 7), std::string("DSKIMG\0", 7));
  EXPECT_EQ(written.substr(0x41, 7), std::string("GARMIN\0", 7));
  EXPECT_EQ(written.substr(0x1FE, 2), "\x55\xAA");
  // The partition covers the file: its sector count, one more than the last.
  const std::size_t sectors = written.size() / 512;
  EXPECT_EQ(static_cast<unsigned char>(written[0x1CA]), (sectors + 1) & 0xFF);
  EXPECT_EQ(written.size() % 512, 0u);
}

TEST(ImgContainer, AShortDescriptionAndOneOfFiftyCharactersComeBack) {
  for (const std::string& description :
       {std::string("Kurz"),
        std::string("Eine Beschreibung von genau fuenfzig Zeichen Laenge").substr(0, 50)}) {
    const auto read = readImgContainer(writeImgContainer({description, {{"A", "TRE", "x"}}}));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->description, description);
  }
}

TEST(ImgContainer, ASubfileOfMoreBlocksThanOneEntryHoldsIsWrittenInParts) {
  std::string big(300 * 512 + 17, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7 % 251);
  const ImgContainer container{"parts", {{"00000001", "RGN", big}, {"00000001", "TRE", "tre"}}};
  const std::string written = writeImgContainer(container);

  const auto directory = readImgDirectory(written, written.size());
  ASSERT_TRUE(directory);
  EXPECT_EQ(directory->blockSize, 512u);
  ASSERT_EQ(directory->entries.size(), 2u);
  EXPECT_EQ(directory->entries[0].blocks.size(), 301u);
  const auto read = readImgContainer(written);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->subfiles[0].bytes, big);
  EXPECT_EQ(read->subfiles[1].bytes, "tre");
}

TEST(ImgContainer, ALargeImageGetsBlocksLargeEnoughToNumberThemAll) {
  std::vector<ImgEntry> entries;
  for (int i = 0; i < 300; ++i)
    entries.push_back({std::to_string(10000000 + i), "RGN", 4u << 20, {}});
  const ImgLayout layout = layOutImg("big", entries);

  EXPECT_EQ(layout.blockSize, 32768u);
  EXPECT_LT(layout.entries.back().blocks.back(), 0xFFFFu);
  EXPECT_EQ(layout.head.size() % layout.blockSize, 0u);
  const auto directory = readImgDirectory(layout.head, std::uint64_t{1} << 31);
  ASSERT_TRUE(directory);
  EXPECT_EQ(directory->blockSize, 32768u);
  ASSERT_EQ(directory->entries.size(), 300u);
  EXPECT_EQ(directory->entries[7].blocks, layout.entries[7].blocks);
}

TEST(ImgContainer, DamagedBytesAreNoContainer) {
  const std::string good = writeImgContainer({"d", {{"00000001", "TRE", std::string(1500, 't')}}});
  EXPECT_TRUE(readImgContainer(good));
  EXPECT_FALSE(readImgContainer(""));
  EXPECT_FALSE(readImgContainer(std::string(4096, '\0')));
  EXPECT_FALSE(readImgContainer(good.substr(0, good.size() - 600)));  // data cut
  EXPECT_FALSE(readImgContainer(good.substr(0, 0x500)));              // directory cut
  std::string badExponent = good;
  badExponent[0x62] = 30;
  EXPECT_FALSE(readImgContainer(badExponent));
  std::string farBlock = good;
  farBlock[0x600 + 0x21] = '\x7F';
  EXPECT_FALSE(readImgContainer(farBlock));
  std::string hugeDirectory = good;
  hugeDirectory[0x400 + 0x0F] = '\x7F';
  EXPECT_FALSE(readImgContainer(hugeDirectory));
}

}  // namespace
}  // namespace mapsetdesk::testing
