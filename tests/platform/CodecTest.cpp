#include <gtest/gtest.h>

#include "platform/Codec.h"

namespace mapsetdesk {
namespace {

TEST(Codec, EveryAnsiByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(toAnsi(fromAnsi(all)), all);
}

TEST(Codec, ConvertsTheCharactersOfWindows1252) {
  EXPECT_EQ(toAnsi("Zürich €"), "Z\xFCrich \x80");
  EXPECT_EQ(fromAnsi("Stra\xDF" "e \x9A"), "Straße š");
}

TEST(Codec, CharactersOutsideWindows1252BecomeQuestionMarks) {
  EXPECT_EQ(toAnsi("日本"), "??");
  EXPECT_EQ(toAnsi("a\xC3"), "a?");  // cut sequence
  EXPECT_EQ(toAnsi("\xED\xA0\x80"), "???");  // encoded surrogate
}

TEST(Codec, UndeclaredBytesAreReadAsUtf8WhenValidElseAsAnsi) {
  EXPECT_EQ(decodeUtf8OrAnsi("\xEF\xBB\xBFK\xC3\xB6ln"), "Köln");
  EXPECT_EQ(decodeUtf8OrAnsi("K\xF6ln"), "Köln");
  EXPECT_FALSE(isValidUtf8("\xC0\x80"));  // overlong NUL
}

}  // namespace
}  // namespace mapsetdesk
