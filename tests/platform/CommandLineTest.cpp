// Windows command lines split as a Windows program's start-up code splits
// them, and the program found as process creation finds it.
#include <gtest/gtest.h>

#include <set>

#include "platform/CommandLine.h"

namespace mapsetdesk {
namespace {

using Arguments = std::vector<std::string>;

TEST(CommandLine, BlanksAndTabsSeparateAndRunsOfThemCountOnce) {
  EXPECT_EQ(splitCommandLine("gmt.exe -S  -o\tout  "), (Arguments{"gmt.exe", "-S", "-o", "out"}));
  EXPECT_EQ(splitCommandLine(""), Arguments{});
}

TEST(CommandLine, QuotedPartsKeepTheirBlanks) {
  EXPECT_EQ(splitCommandLine(R"(p "C:\My Maps\out" x"y z"w)"),
            (Arguments{"p", R"(C:\My Maps\out)", "xy zw"}));
  EXPECT_EQ(splitCommandLine(R"(p "" "")"), (Arguments{"p", "", ""}));
}

TEST(CommandLine, BackslashesCountOnlyBeforeAQuotationMark) {
  EXPECT_EQ(splitCommandLine(R"(p C:\a\\b\ c)"), (Arguments{"p", R"(C:\a\\b\)", "c"}));
  // 2n backslashes: n of them, and the mark quotes.
  EXPECT_EQ(splitCommandLine(R"(p a\\\\"b c")"), (Arguments{"p", R"(a\\b c)"}));
  // 2n+1: n of them and a literal mark.
  EXPECT_EQ(splitCommandLine(R"(p a\\\"b c)"), (Arguments{"p", R"(a\"b)", "c"}));
  // The trap of a quoted folder with a trailing backslash: the mark is literal
  // and the quoted part runs on.
  EXPECT_EQ(splitCommandLine(R"(p "C:\out\" next)"), (Arguments{"p", R"(C:\out" next)"}));
}

TEST(CommandLine, TwoMarksInsideAQuotedPartGiveOneAndEndThePart) {
  EXPECT_EQ(splitCommandLine(R"(p "a""b c")"), (Arguments{"p", R"(a"b)", "c"}));
  EXPECT_EQ(splitCommandLine(R"(p """a b""")"), (Arguments{"p", R"("a)", R"(b")"}));
}

TEST(CommandLine, TheProgramEndsAtItsClosingMarkAndKeepsItsBackslashes) {
  EXPECT_EQ(splitCommandLine(R"("C:\Program Files\Z\gmt.exe" -g)"),
            (Arguments{R"(C:\Program Files\Z\gmt.exe)", "-g"}));
  EXPECT_EQ(splitCommandLine(R"("C:\tools\" x)"), (Arguments{R"(C:\tools\)", "x"}));
  EXPECT_EQ(splitCommandLine(R"(C:\a\"b c)"), (Arguments{R"(C:\a\"b)", "c"}));
}

TEST(CommandLine, TheGmtLineOfAnInstallation) {
  const std::string line =
      R"(C:\Z\gmt.exe -S -f 4711,1 -m Topo_Harz -n Topo_Har -o "D:\Karten Harz" -c 1252 -@ "C:\Z\list.txt")";
  EXPECT_EQ(splitCommandLine(line),
            (Arguments{R"(C:\Z\gmt.exe)", "-S", "-f", "4711,1", "-m", "Topo_Harz", "-n", "Topo_Har",
                       "-o", R"(D:\Karten Harz)", "-c", "1252", "-@", R"(C:\Z\list.txt)"}));
}

// A file system that holds just the given files.
std::function<bool(const std::string&)> filesAre(std::set<std::string> files) {
  return [files](const std::string& path) { return files.count(path) > 0; };
}

TEST(ProgramCall, AnUnquotedProgramWithBlanksIsFoundByTryingEachBlank) {
  const ProgramCall call = parseProgramCall(R"(C:\Program Files\Z\gmt.exe -G -o "D:\S M" x)",
                                            filesAre({R"(C:\Program Files\Z\gmt.exe)"}));
  EXPECT_EQ(call.program, R"(C:\Program Files\Z\gmt.exe)");
  EXPECT_EQ(call.arguments, (Arguments{"-G", "-o", R"(D:\S M)", "x"}));
}

TEST(ProgramCall, TheShortestExistingCandidateWins) {
  const ProgramCall call =
      parseProgramCall("/opt/my tool/run a b", filesAre({"/opt/my", "/opt/my tool/run"}));
  EXPECT_EQ(call.program, "/opt/my");
  EXPECT_EQ(call.arguments, (Arguments{"tool/run", "a", "b"}));
}

TEST(ProgramCall, WithoutAnExistingCandidateTheFirstWordIsTheProgram) {
  const ProgramCall call =
      parseProgramCall("java -jar /p/mkgmap.jar --read-config=/p/list.args", filesAre({}));
  EXPECT_EQ(call.program, "java");
  EXPECT_EQ(call.arguments, (Arguments{"-jar", "/p/mkgmap.jar", "--read-config=/p/list.args"}));
}

TEST(ProgramCall, AQuotedProgramIsTakenAsWrittenAndNotLookedFor) {
  const ProgramCall call =
      parseProgramCall(R"("/a b/gmt.exe" -g -o "/x y" /f.img)", filesAre({"/a"}));
  EXPECT_EQ(call.program, "/a b/gmt.exe");
  EXPECT_EQ(call.arguments, (Arguments{"-g", "-o", "/x y", "/f.img"}));
}

TEST(ProgramCall, ALineThatNamesNoProgram) {
  EXPECT_EQ(parseProgramCall("", filesAre({})).program, "");
  EXPECT_EQ(parseProgramCall(" gmt.exe", filesAre({"gmt.exe"})).program, "");
  EXPECT_EQ(parseProgramCall(R"("" x)", filesAre({})).program, "");
}

}  // namespace
}  // namespace mapsetdesk
