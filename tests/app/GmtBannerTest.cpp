// gmt's banner line leaves the tool window's text; nothing else does.
#include <gtest/gtest.h>

#include "app/GmtBanner.h"
#include "app/messages/ToolRunnerTexts.h"

namespace mapsetdesk {
namespace {

const std::string kBanner(kGmtBanner);

TEST(GmtBanner, EveryOccurrenceGoesWithItsLineEnd) {
  EXPECT_EQ(withoutGmtBanner(kBanner + "\r\nreading a\r\n" + kBanner + "\nwritten b\r\n" + kBanner),
            "reading a\r\nwritten b\r\n");
}

TEST(GmtBanner, OtherTextStaysByteForByte) {
  const std::string text = "GMT 0.6.1.2993 - other\r\n\r\n  indented\n\xFC";
  EXPECT_EQ(withoutGmtBanner(text), text);
  EXPECT_EQ(withoutGmtBanner(""), "");
}

TEST(GmtBanner, ABannerInsideALineTakesOnlyItself) {
  EXPECT_EQ(withoutGmtBanner("before " + kBanner + " after\n"), "before  after\n");
  EXPECT_EQ(withoutGmtBanner(kBanner + kBanner + "\n\n"), "\n");
}

}  // namespace
}  // namespace mapsetdesk
