#include <gtest/gtest.h>

#include "platform/Sound.h"
#include "support/TempDir.h"

namespace mapsetdesk {
namespace {

// A missing wave file plays nothing, not even the system's default sound.
TEST(WinSound, AMissingWaveFilePlaysNothing) {
  testing::TempDir folder;
  EXPECT_FALSE(openSystemSound()->playAsync((folder / "Success.wav").string()));
}

}  // namespace
}  // namespace mapsetdesk
