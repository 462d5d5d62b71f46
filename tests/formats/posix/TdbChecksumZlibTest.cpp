// zlib's crc32 as an independent judge of the TDB checksum; zlib is linked
// into the native test build only.
#include <gtest/gtest.h>
#include <zlib.h>

#include "support/GarminFiles.h"
#include "formats/TdbChecksum.h"

namespace mapsetdesk::testing {
namespace {

using TdbChecksumAgainstZlib = GarminFilesTest;

TEST_F(TdbChecksumAgainstZlib, MkgmapsTdbChecksumIsZlibsCrc32) {
  const std::string file = bytesOf("mapset/osmmap.tdb");
  const TdbChecksumCheck check = checkTdbChecksum(file);
  ASSERT_EQ(check.state, TdbChecksumState::Ok);
  const std::size_t covered = file.rfind(static_cast<char>(kTdbChecksumBlock));
  const uLong expected = crc32(0L, reinterpret_cast<const Bytef*>(file.data()),
                               static_cast<uInt>(covered));
  EXPECT_EQ(check.computed, expected);
}

}  // namespace
}  // namespace mapsetdesk::testing
