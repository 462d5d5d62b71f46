// The splitting rules held against the system's own CommandLineToArgvW.
#include <windows.h>
// shellapi.h needs windows.h first.
#include <shellapi.h>

#include <gtest/gtest.h>

#include "platform/CommandLine.h"
#include "platform/win/WideText.h"

namespace mapsetdesk {
namespace {

std::vector<std::string> systemSplit(const std::string& line) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(wideText(line).c_str(), &count);
  std::vector<std::string> split;
  for (int i = 0; i < count; ++i) split.push_back(utf8Text(arguments[i]));
  LocalFree(arguments);
  return split;
}

TEST(CommandLineWin, SplitsAsTheSystemDoes) {
  const char* lines[] = {
      R"(gmt.exe -S  -o	out  )",
      R"(p "C:\My Maps\out" x"y z"w)",
      R"(p "" "")",
      R"(p C:\a\\b\ c)",
      R"(p a\\\\"b c")",
      R"(p a\\\"b c)",
      R"(p "C:\out\" next)",
      R"(p "a""b c")",
      R"(p """a b""")",
      R"(p "a"""b" c)",
      R"("C:\Program Files\Z\gmt.exe" -g)",
      R"("C:\tools\" x)",
      R"(C:\a\"b c)",
      R"("a b"c d)",
      R"(C:\Z\gmt.exe -S -f 4711,1 -m Topo_Harz -n Topo_Har -o "D:\Karten Harz" -c 1252 -@ "C:\Z\list.txt")",
  };
  for (const char* line : lines) EXPECT_EQ(splitCommandLine(line), systemSplit(line)) << line;
}

}  // namespace
}  // namespace mapsetdesk
