#include "platform/TextReplace.h"

#include <gtest/gtest.h>

namespace mapsetdesk::testing {
namespace {

TEST(TextReplace, ReplacesEveryOccurrenceLeftToRightNeverInsideAReplacement) {
  EXPECT_EQ(replacedEverywhere("aXbXc", "X", "--"), "a--b--c");
  EXPECT_EQ(replacedEverywhere("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(replacedEverywhere("abab", "aba", "x"), "xb");
  EXPECT_EQ(replacedEverywhere(std::string("a\0b", 3), std::string("\0", 1), "0"), "a0b");
  EXPECT_EQ(replacedEverywhere("abc", "", "x"), "abc");
}

}  // namespace
}  // namespace mapsetdesk::testing
