// Reading an IMG file piece by piece: the same subfiles as the whole-file
// reader, in chunks, taking only what is asked for.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "formats/ImgContainer.h"
#include "formats/ImgFile.h"
#include "formats/ImgWriter.h"
#include "support/GarminFiles.h"

namespace mapsetdesk::testing {
namespace {

class ImgFileTest : public GarminFilesTest {};

TEST_F(ImgFileTest, CopiesEverySubfileAsTheWholeFileReaderSeesIt) {
  std::string bytes = bytesOf("families/gmapsupp.img");
  for (char& byte : bytes) byte = static_cast<char>(byte ^ 0x33);
  writeFile(scratch_ / "x.img", bytes);
  ImgFile file = ImgFile::open((scratch_ / "x.img").string());
  ASSERT_EQ(file.problem(), ImgFileProblem::None);
  EXPECT_EQ(file.directory().xorByte, 0x33);
  const auto whole = readImgContainer(bytes);
  ASSERT_EQ(file.directory().entries.size(), whole->subfiles.size());
  for (std::size_t i = 0; i < whole->subfiles.size(); ++i) {
    std::ostringstream out;
    EXPECT_TRUE(file.copyTo(file.directory().entries[i], out));
    EXPECT_EQ(out.str(), whole->subfiles[i].bytes) << i;
    EXPECT_EQ(file.readStart(file.directory().entries[i], 5),
              whole->subfiles[i].bytes.substr(0, 5));
  }
}

TEST_F(ImgFileTest, ReadsRunsOfBlocksInChunksAcrossParts) {
  std::string big(3u << 20, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i % 253);
  std::ofstream(scratch_ / "big.img", std::ios::binary)
      << writeImgContainer({"big", {{"00000001", "RGN", big}, {"00000001", "TRE", "t"}}});
  ImgFile file = ImgFile::open((scratch_ / "big.img").string());
  ASSERT_EQ(file.problem(), ImgFileProblem::None);
  std::ostringstream out;
  EXPECT_TRUE(file.copyTo(file.directory().entries[0], out));
  EXPECT_EQ(out.str(), big);
}

TEST_F(ImgFileTest, TellsWhyAFileCannotBeRead) {
  EXPECT_EQ(ImgFile::open((scratch_ / "none.img").string()).problem(), ImgFileProblem::CannotOpen);
  writeFile(scratch_ / "text.img", std::string(2000, 'a'));
  EXPECT_EQ(ImgFile::open((scratch_ / "text.img").string()).problem(), ImgFileProblem::NotImg);
  writeFile(scratch_ / "tiny.img", "DSK");
  EXPECT_EQ(ImgFile::open((scratch_ / "tiny.img").string()).problem(), ImgFileProblem::NotImg);
  const std::string tile = bytesOf("mapset/63240001.img");
  writeFile(scratch_ / "cut.img", tile.substr(0, 0x700));
  EXPECT_EQ(ImgFile::open((scratch_ / "cut.img").string()).problem(),
            ImgFileProblem::DirectoryPastEnd);
  writeFile(scratch_ / "short.img", tile.substr(0, tile.size() - 300));
  EXPECT_EQ(ImgFile::open((scratch_ / "short.img").string()).problem(),
            ImgFileProblem::DirectoryPastEnd);
}

TEST(ImgWriter, APieceThatDeliversAnotherSizeOrFailsFailsTheWrite) {
  std::ostringstream out;
  const auto deliver = [](std::string bytes) {
    return [bytes](std::ostream& stream) {
      stream << bytes;
      return true;
    };
  };
  EXPECT_TRUE(writeImg(out, "ok", {{"A", "TRE", 3, deliver("abc")}}));
  std::ostringstream wrongSize;
  EXPECT_FALSE(writeImg(wrongSize, "no", {{"A", "TRE", 3, deliver("abcd")}}));
  std::ostringstream failing;
  EXPECT_FALSE(writeImg(failing, "no", {{"A", "TRE", 0, [](std::ostream&) { return false; }}}));
}

}  // namespace
}  // namespace mapsetdesk::testing
