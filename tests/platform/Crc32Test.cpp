#include <gtest/gtest.h>

#include <string>

#include "platform/Crc32.h"

namespace mapsetdesk {
namespace {

TEST(Crc32, MatchesTheKnownChecksumsOfIeee8023) {
  EXPECT_EQ(crc32("abc"), 0x352441C2u);
  EXPECT_EQ(crc32("123456789"), 0xCBF43926u);  // the check value of CRC references
  EXPECT_EQ(crc32(std::string(1, '\0')), 0xD202EF8Du);
  EXPECT_EQ(crc32("\xFF"), 0xFF000000u);  // bytes above 127 are taken unsigned
}

TEST(Crc32, EmptyInputYieldsTheComplementOfTheStartValue) {
  EXPECT_EQ(crc32(""), 0x00000000u);
  EXPECT_EQ(crc32("", 0x12345678u), 0xEDCBA987u);
  EXPECT_EQ(crc32("", 0u), 0xFFFFFFFFu);
}

TEST(Crc32, StartValueIsTheRegisterBeforeTheFirstByte) {
  EXPECT_EQ(crc32("abc", 0u), 0x359A672Fu);
  EXPECT_EQ(crc32("abc", 0x12345678u), 0xA22D50B2u);
  // So a checksum continues over a second piece from the complement of the first.
  const std::string whole = "mapset index and checksum block";
  EXPECT_EQ(crc32(whole.substr(11), ~crc32(whole.substr(0, 11))), crc32(whole));
}

}  // namespace
}  // namespace mapsetdesk
