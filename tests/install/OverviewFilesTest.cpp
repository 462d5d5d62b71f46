// What the installation hands the outside programs: the patched overview
// source, the list files and the command lines.
#include <gtest/gtest.h>

#include <filesystem>

#include "install/HelperFiles.h"
#include "install/OverviewSourcePatch.h"
#include "install/ToolCommandLines.h"
#include "platform/Platform.h"
#include "support/TempDir.h"

namespace mapsetdesk {
namespace {

using testing::readFile;
using testing::TempDir;
using testing::writeFile;

constexpr char kLabel[] = "Label=GMapTool Preview";

TEST(OverviewSourcePatch, LabelsBecomeOneBlankAndTheAreaTypeChanges) {
  const std::string source = std::string("[POLYGON]\r\nType=0x0b00\r\n") + kLabel +
                             "\r\nData0=(1,2)\r\n[END]\r\n[POLYGON]\r\nType=0x0b00\r\n" + kLabel +
                             "\r\n[END]\r\n";
  const std::string patched = patchedOverviewSource(source);
  EXPECT_EQ(patched, "[POLYGON]\r\nType=0x6300\r\n \r\nData0=(1,2)\r\n[END]\r\n[POLYGON]\r\n"
                     "Type=0x6300\r\n \r\n[END]\r\n");
  EXPECT_EQ(source.size() - patched.size(), 2 * 21u);
}

TEST(OverviewSourcePatch, ASourceWithNeitherStringStaysByteForByte) {
  std::string bytes = "[IMG ID]\r\nName=Topo \xFC\r\n";
  bytes.push_back('\0');
  bytes += "Type=0x0b01\r\n";
  EXPECT_EQ(patchedOverviewSource(bytes), bytes);
  EXPECT_EQ(patchedOverviewSource("Type=0x0b00\r\n"), "Type=0x6300\r\n");
}

TEST(OverviewSourcePatch, TheFileIsRewrittenWithoutStaleBytesAtItsEnd) {
  TempDir folder;
  const std::string path = (folder / "Topo_Har.mp").string();
  writeFile(path, std::string(kLabel) + "\r\nType=0x0b00\r\n");
  EXPECT_TRUE(patchOverviewSourceFile(path));
  EXPECT_EQ(readFile(path), " \r\nType=0x6300\r\n");
  EXPECT_TRUE(patchOverviewSourceFile((folder / "missing.mp").string()));
}

TEST(HelperFiles, ListsAreWindows1252WithCrLf) {
  EXPECT_EQ(tileListText({"a/63240001.img", "b/63240002.img"}),
            "a/63240001.img\r\nb/63240002.img\r\n");
  EXPECT_EQ(mkgmapInputsText({"K\xC3\xBCste/63240001.img"}),
            "input-file=K\xFCste/63240001.img\r\n");
  EXPECT_EQ(mkgmapOptionsText("1234", "Topo_Har", "out"),
            "code-page=1252\r\nmax-jobs=\r\nfamily-id=1234\r\noverview-mapname=Topo_Har\r\n"
            "series-name=Topo_Har\r\nfamily-name=Topo_Har\r\ntdbfile\r\npoi-address\r\n"
            "output-dir=out\r\ngmapi\r\n");
}

TEST(HelperFiles, AProgramFolderThatCannotBeWrittenSendsThemToTheTemporaryFolder) {
  TempDir program;
  EXPECT_EQ(writeHelperFile(program.str(), "list.txt", "x\r\n"), joinPath(program.str(), "list.txt"));
  // A folder in the file's place: the file cannot be written there.
  std::filesystem::create_directories(program / "blocked.txt");
  const std::string elsewhere = writeHelperFile(program.str(), "blocked.txt", "y\r\n");
  EXPECT_EQ(elsewhere,
            joinPath(std::filesystem::temp_directory_path().string(), "blocked.txt"));
  EXPECT_EQ(readFile(elsewhere), "y\r\n");
  std::filesystem::remove(elsewhere);
}

TEST(ToolCommandLines, ProgramPathsAreQuotedAndTheGmtLineIsAsTheToolExpects) {
  const std::string program = joinPath("", "Program Files");
  EXPECT_EQ(gmtTilesCommandLine(program, "1234", "Topo Harz Nord", "Topo_Har", "out dir", "l.txt"),
            "\"" + joinPath(program, "gmt.exe") +
                "\" -S -f 1234,1 -m Topo_Harz_Nord -n Topo_Har -o \"out dir\" -c 1252 -@ "
                "\"l.txt\"");
  EXPECT_EQ(cgpsmapperCommandLine(program, "o/T.mp"),
            "\"" + joinPath(joinPath(program, "Version97c"), "cgpsmapper.exe") + "\" \"o/T.mp\"");
  EXPECT_EQ(mkgmapCommandLine(program, "a.args", "f.txt"),
            "java -jar \"" + joinPath(program, "mkgmap.jar") +
                "\" --read-config=\"a.args\" -c \"f.txt\"");
  EXPECT_EQ(gmtUnpackCommandLine(program, "t", "i.img"),
            "\"" + joinPath(program, "gmt") + "\" -g -o t i.img");
  // A path that does not exist has no short form: its blank is quoted.
  EXPECT_EQ(gmtUnpackCommandLine(program, "a b", "i.img"),
            "\"" + joinPath(program, "gmt") + "\" -g -o \"a b\" i.img");
}

}  // namespace
}  // namespace mapsetdesk
