// zlib is linked into this test only, as an independent oracle for the
// checksum the TDB files carry.
#include <gtest/gtest.h>
#include <zlib.h>

#include <random>
#include <string>
#include <vector>

#include "platform/Crc32.h"

namespace mapsetdesk {
namespace {

std::uint32_t zlibCrc(const std::string& bytes) {
  const auto* data = reinterpret_cast<const Bytef*>(bytes.data());
  return static_cast<std::uint32_t>(::crc32(::crc32(0L, Z_NULL, 0), data,
                                            static_cast<uInt>(bytes.size())));
}

std::string randomBytes(std::mt19937& random, std::size_t length) {
  std::uniform_int_distribution<int> byte(0, 255);
  std::string bytes(length, '\0');
  for (char& b : bytes) b = static_cast<char>(byte(random));
  return bytes;
}

TEST(Crc32AgainstZlib, AgreesOnRandomBuffersOfEveryKindOfLength) {
  std::mt19937 random(20240517);
  std::vector<std::size_t> lengths = {0, 1, 2, 3, 4, 7, 8, 255, 256, 257, 4095, 4096, 1 << 20};
  std::uniform_int_distribution<std::size_t> anyLength(0, 70000);
  for (int i = 0; i < 200; ++i) lengths.push_back(anyLength(random));
  for (const std::size_t length : lengths) {
    const std::string bytes = randomBytes(random, length);
    ASSERT_EQ(crc32(bytes), zlibCrc(bytes)) << "length " << length;
  }
}

TEST(Crc32AgainstZlib, AgreesOnEverySingleByte) {
  for (int b = 0; b < 256; ++b) {
    const std::string bytes(1, static_cast<char>(b));
    ASSERT_EQ(crc32(bytes), zlibCrc(bytes)) << "byte " << b;
  }
}

TEST(Crc32AgainstZlib, StartValueContinuesAsZlibDoes) {
  // zlib continues from a finished checksum; ours from the register, its complement.
  std::mt19937 random(7);
  const std::string first = randomBytes(random, 1000);
  const std::string second = randomBytes(random, 333);
  const auto* data = reinterpret_cast<const Bytef*>(second.data());
  const auto expected = static_cast<std::uint32_t>(
      ::crc32(zlibCrc(first), data, static_cast<uInt>(second.size())));
  EXPECT_EQ(crc32(second, ~crc32(first)), expected);
}

}  // namespace
}  // namespace mapsetdesk
