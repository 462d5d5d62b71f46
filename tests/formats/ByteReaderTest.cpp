#include "formats/ByteReader.h"

#include <gtest/gtest.h>

namespace mapsetdesk {
namespace {

TEST(ByteReader, ReadsLittleEndianUpToTheLastByte) {
  const std::string bytes("\x01\x02\x03\x04\x05\x06\x07", 7);
  ByteReader reader(bytes);
  EXPECT_EQ(reader.u8(), 0x01);
  EXPECT_EQ(reader.u16(), 0x0302);
  EXPECT_EQ(reader.u32(), 0x07060504u);
  EXPECT_TRUE(reader.ok());
  EXPECT_EQ(reader.remaining(), 0u);
}

TEST(ByteReader, AReadOneBytePastTheEndFailsAndStaysFailed) {
  const std::string bytes("\x01\x02\x03", 3);
  ByteReader reader(bytes, 1);
  EXPECT_EQ(reader.u16(), 0x0302);
  EXPECT_TRUE(reader.ok());
  reader.seek(2);
  EXPECT_EQ(reader.u16(), 0) << "one byte short";
  EXPECT_FALSE(reader.ok());
  reader.seek(0);
  EXPECT_EQ(reader.u8(), 0);
  EXPECT_FALSE(reader.ok()) << "the error is sticky";
}

TEST(ByteReader, BytesAndSkipStopAtTheEnd) {
  const std::string bytes = "abcdef";
  ByteReader reader(bytes);
  EXPECT_EQ(reader.bytes(6), "abcdef");
  EXPECT_TRUE(reader.ok());
  reader.seek(6);
  EXPECT_TRUE(reader.ok()) << "the end itself is a valid position";
  reader.skip(1);
  EXPECT_FALSE(reader.ok());

  ByteReader huge(bytes, 2);
  EXPECT_TRUE(huge.bytes(static_cast<std::size_t>(-1)).empty()) << "no overflow on huge counts";
  EXPECT_FALSE(huge.ok());
  EXPECT_FALSE(ByteReader(bytes, 7).ok()) << "a start past the end";
}

TEST(U16Bytes, LowByteFirst) {
  EXPECT_EQ(u16Bytes(1234), std::string("\xD2\x04", 2));
  EXPECT_EQ(u16Bytes(256), std::string("\x00\x01", 2));
  EXPECT_EQ(u16Bytes(255), std::string("\xFF\x00", 2));
  EXPECT_EQ(u16Bytes(0), std::string(2, '\0'));
  EXPECT_EQ(u16Bytes(65535), "\xFF\xFF");
}

TEST(ByteWriter, PatchesInPlaceAndNeverGrowsTheBuffer) {
  std::string bytes(4, '\0');
  ByteWriter writer(bytes);
  writer.u16At(2, 0xBEEF);
  writer.u8At(0, 0x7F);
  EXPECT_TRUE(writer.ok());
  EXPECT_EQ(bytes, std::string("\x7F\x00\xEF\xBE", 4));
  writer.u16At(3, 0x1234);
  EXPECT_FALSE(writer.ok());
  EXPECT_EQ(bytes.size(), 4u);
  EXPECT_EQ(bytes, std::string("\x7F\x00\xEF\xBE", 4)) << "a refused write changes nothing";
}

}  // namespace
}  // namespace mapsetdesk
