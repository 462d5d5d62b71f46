#include <gtest/gtest.h>

#include "platform/SystemFacts.h"

namespace mapsetdesk {
namespace {

TEST(WindowsVersionName, Win32sIsNamedWhateverItsVersion) {
  EXPECT_EQ(windowsVersionName(0, 3, 11), "Win32s f\xC3\xBCr Windows 3.x");
  EXPECT_EQ(windowsVersionName(0, 0, 0), "Win32s f\xC3\xBCr Windows 3.x");
}

TEST(WindowsVersionName, Windows9xIsChosenByTheMinorVersionAlone) {
  EXPECT_EQ(windowsVersionName(1, 4, 0), "Windows 95");
  EXPECT_EQ(windowsVersionName(1, 4, 10), "Windows 98");
  EXPECT_EQ(windowsVersionName(1, 4, 90), "Windows Me");
  EXPECT_EQ(windowsVersionName(1, 9, 10), "Windows 98");
  EXPECT_EQ(windowsVersionName(1, 4, 3), "");
}

TEST(WindowsVersionName, NtNamesEveryReleaseOfTheTable) {
  EXPECT_EQ(windowsVersionName(2, 3, 51), "Windows NT 3.51");
  EXPECT_EQ(windowsVersionName(2, 3, 1), "Windows NT 3.1");
  EXPECT_EQ(windowsVersionName(2, 4, 0), "Windows NT 4.0");
  EXPECT_EQ(windowsVersionName(2, 4, 7), "Windows NT 4.0");
  EXPECT_EQ(windowsVersionName(2, 5, 0), "Windows 2000");
  EXPECT_EQ(windowsVersionName(2, 5, 1), "Windows XP");
  EXPECT_EQ(windowsVersionName(2, 6, 0), "Windows Vista");
  EXPECT_EQ(windowsVersionName(2, 6, 1), "Windows 7");
}

TEST(WindowsVersionName, ServerAndWindows8ReleasesAreLeftUnnamed) {
  EXPECT_EQ(windowsVersionName(2, 5, 2), "");
  EXPECT_EQ(windowsVersionName(2, 5, 3), "");
  EXPECT_EQ(windowsVersionName(2, 6, 2), "");
  EXPECT_EQ(windowsVersionName(2, 6, 3), "");
}

TEST(WindowsVersionName, LaterNtReleasesShareOneName) {
  EXPECT_EQ(windowsVersionName(2, 10, 0), "Windows NT / Folgeversion");
  EXPECT_EQ(windowsVersionName(2, 7, 0), "Windows NT / Folgeversion");
  EXPECT_EQ(windowsVersionName(2, 7, 5), "Windows NT / Folgeversion");
}

TEST(WindowsVersionName, UnknownPlatformsAndOlderNtAreUnnamed) {
  EXPECT_EQ(windowsVersionName(3, 10, 0), "");  // Windows CE
  EXPECT_EQ(windowsVersionName(-1, 6, 1), "");
  EXPECT_EQ(windowsVersionName(2, 2, 0), "");
}

}  // namespace
}  // namespace mapsetdesk
