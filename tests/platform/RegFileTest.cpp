// .reg files: the exact text written, round trips of every kind of value, the
// Unicode form of version 5 and the refusal of malformed files.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/Codec.h"
#include "platform/RegFile.h"

namespace mapsetdesk {
namespace {

RegistryTree treeFrom(std::string_view file, Root root = Root::CurrentUser) {
  const RegFileContent content = parseRegFile(file);
  EXPECT_EQ(content.errorLine, 0u) << content.error;
  RegistryTree tree;
  EXPECT_TRUE(applyRegFile(content.operations, root, tree));
  return tree;
}

// UTF-8 to UTF-16LE with a byte-order mark, as regedit writes version 5.
std::string utf16File(std::string_view utf8) {
  std::string out = "\xFF\xFE";
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k)
      cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    i += length;
    const auto unit = [&out](char32_t u) {
      out += static_cast<char>(u & 0xFF);
      out += static_cast<char>(u >> 8);
    };
    if (cp < 0x10000) {
      unit(cp);
    } else {
      unit(0xD800 + ((cp - 0x10000) >> 10));
      unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
    }
  }
  return out;
}

TEST(RegFileWriting, ShowsTextOnlyWhereItMeansTheStoredBytes) {
  RegistryTree tree;
  const std::string key = "Software\\ZORVAN";
  tree.setValue(key, {"Language", kRegSz, std::string("deutsch\0", 8)});
  tree.setValue(key, {"Dir", kRegSz, "C:\\Karten"});
  tree.setValue(key, {"Quote", kRegSz, std::string("say \"hi\" \\o/\0", 13)});
  tree.setValue(key, {"Two", kRegSz, std::string("a\0b\0", 4)});
  tree.setValue(key, {"Lat", kRegDword, std::string("\x87\xD6\x12\x00", 4)});
  tree.setValue(key, {"ID", kRegBinary, "\xD2\x04"});
  tree.setValue(key, {"Path", kRegExpandSz, std::string("%X%\0", 4)});
  tree.setValue(key, {"", kRegSz, std::string("x\0", 2)});
  tree.createKey(key + "\\Leer");

  EXPECT_EQ(formatRegFile(tree, Root::CurrentUser, "software\\zorvan"),
            "REGEDIT4\r\n"
            "\r\n"
            "[HKEY_CURRENT_USER\\Software\\ZORVAN]\r\n"
            "\"Language\"=\"deutsch\"\r\n"
            "; C:\\Karten\r\n"
            "\"Dir\"=hex(1):43,3a,5c,4b,61,72,74,65,6e\r\n"
            "\"Quote\"=\"say \\\"hi\\\" \\\\o/\"\r\n"
            "\"Two\"=hex(1):61,00,62,00\r\n"
            "\"Lat\"=dword:0012d687\r\n"
            "\"ID\"=hex:d2,04\r\n"
            "\"Path\"=hex(2):25,58,25,00\r\n"
            "@=\"x\"\r\n"
            "\r\n"
            "[HKEY_CURRENT_USER\\Software\\ZORVAN\\Leer]\r\n"
            "\r\n");
  EXPECT_EQ(formatRegFile(tree, Root::CurrentUser, "Software\\Missing"), std::nullopt);
}

TEST(RegFileWriting, WritesTheRootOnlyWhenItHoldsValues) {
  RegistryTree tree;
  tree.createKey("SOFTWARE");
  EXPECT_EQ(formatRegFile(tree, Root::LocalMachine),
            "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n\r\n");
  tree.setValue("", {"v", kRegDword, std::string(4, '\0')});
  EXPECT_EQ(formatRegFile(tree, Root::LocalMachine),
            "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE]\r\n\"v\"=dword:00000000\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE]\r\n\r\n");
}

TEST(RegFileWriting, BreaksLongHexLinesLikeRegedit) {
  RegistryTree tree;
  std::string bytes;
  for (int i = 0; i < 300; ++i) bytes += static_cast<char>(i);
  tree.setValue("Long", {"Data", kRegBinary, bytes});
  const std::string text = *formatRegFile(tree, Root::CurrentUser);
  std::istringstream lines(text);
  std::size_t count = 0;
  for (std::string line; std::getline(lines, line); ++count) EXPECT_LE(line.size(), 80u) << line;
  EXPECT_GT(count, 10u);
  EXPECT_EQ(treeFrom(text), tree);
}

TEST(RegFileRoundTrip, KeepsEveryTreeExactly) {
  RegistryTree tree;
  std::string allBytes;
  for (int i = 0; i < 256; ++i) allBytes += static_cast<char>(i);
  // €, the five bytes Windows-1252 leaves undefined, and more.
  const std::string ansiName = "\x80\x81\x8D\x8F\x90\x9D\xA0\xC4\xFF";
  const std::vector<RegValue> values = {
      {"TDB", kRegSz, "C:\\Karten\\Topo.tdb"},
      {"WithNul", kRegSz, std::string("C:\\Karten\\\0", 11)},
      {"Empty", kRegSz, ""},
      {"OnlyNul", kRegSz, std::string(1, '\0')},
      {"Controls", kRegSz, std::string("tab\there\r\n\0", 11)},
      {"Quoted \"name\" \\ [x]=y", kRegSz, std::string("\"\\\0", 3)},
      {ansiName, kRegSz, ansiName + '\0'},
      {"Bytes", kRegBinary, allBytes},
      {"NoBytes", kRegBinary, ""},
      {"Dword", kRegDword, "\x01\x02\x03\x04"},
      {"ShortDword", kRegDword, "\x01\x02\x03"},
      {"Expand", kRegExpandSz, std::string("%ProgramData%\0", 14)},
      {"Multi", kRegMultiSz, std::string("a\0b\0\0", 5)},
      {"None", kRegNone, "\x05"},
      {"Qword", 11, std::string("\x01\x00\x00\x00\x00\x00\x00\x00", 8)},
      {"Odd", 0x12345678, "z"},
      {"", kRegSz, std::string("default\0", 8)},
  };
  for (const auto& value : values) tree.setValue("Software\\ZORVAN", value);
  tree.createKey("Software\\Empty");
  tree.createKey("Software\\" + ansiName + "\\Below ] it");
  tree.createKey("Software\\ key with blanks ");
  tree.setValue("Software\\Garmin\\MapSource\\Families\\Topo_Har1234",
                {"ID", kRegBinary, "\xD2\x04"});

  const auto text = formatRegFile(tree, Root::LocalMachine);
  ASSERT_TRUE(text);
  EXPECT_EQ(treeFrom(*text, Root::LocalMachine), tree);
  EXPECT_EQ(formatRegFile(treeFrom(*text, Root::LocalMachine), Root::LocalMachine), text);
}

TEST(RegFileReading, ReadsVersion5InUtf16AsTheAFunctionsShowIt) {
  const std::string file = utf16File(
      "Windows Registry Editor Version 5.00\r\n"
      "\r\n"
      "[HKEY_CURRENT_USER\\Software\\Ärger Ω]\r\n"
      "\"Name Ω\"=\"Wert € Ω 😀\"\r\n"
      "\"Dir\"=hex(1):43,00,3a,00,5c,00,e4,00,a9,03,00,00\r\n"
      "\"Multi\"=hex(7):61,00,00,00,ac,20,00,00,00,00\r\n"
      "\"Expand\"=hex(2):25,00,58,00,25,00,00,00\r\n"
      "\"Bytes\"=hex:e4,00\r\n"
      "\"Broken\"=hex(1):41,00,00,d8,42\r\n");
  const RegistryTree tree = treeFrom(file);
  const std::string key = "Software\\\xC4rger ?";
  ASSERT_TRUE(tree.find(key));
  EXPECT_EQ(tree.find(key)->name, "\xC4rger ?");
  EXPECT_EQ(tree.values(key), (std::vector<RegValue>{
                                  {"Name ?", kRegSz, std::string("Wert \x80 ? ?\0", 11)},
                                  {"Dir", kRegSz, std::string("C:\\\xE4?\0", 6)},
                                  {"Multi", kRegMultiSz, std::string("a\0\x80\0\0", 5)},
                                  {"Expand", kRegExpandSz, std::string("%X%\0", 4)},
                                  {"Bytes", kRegBinary, std::string("\xE4\0", 2)},
                                  {"Broken", kRegSz, "A?"},
                              }));
}

TEST(RegFileReading, ReadsUtf8WithByteOrderMarkAndAnsiWithout) {
  const RegistryTree utf8 =
      treeFrom("\xEF\xBB\xBFREGEDIT4\n[HKEY_CURRENT_USER\\\xC3\x84]\n\"v\"=\"\xE2\x82\xAC\"\n");
  const RegistryTree ansi = treeFrom("REGEDIT4\n[HKEY_CURRENT_USER\\\xC4]\n\"v\"=\"\x80\"\n");
  EXPECT_EQ(utf8, ansi);
  EXPECT_EQ(ansi.queryValue("\xC4", "v")->data, std::string("\x80\0", 2));
}

TEST(RegFileReading, AppliesDeletionsContinuationsAndDefaultValues) {
  RegistryTree tree = treeFrom(
      "REGEDIT4\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Garmin\\MapSource\\Families\\Old1234\\1]\r\n"
      "\"TDB\"=\"C:\\\\old.tdb\"\r\n"
      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Garmin\\MapSource\\Families\\New5678]\r\n"
      "\"ID\"=hex:2e,16\r\n"
      "\"TYP\"=\"C:\\\\new.typ\"\r\n",
      Root::LocalMachine);
  const RegFileContent change = parseRegFile(
      "\n  \nREGEDIT4\n"
      "; a comment\n"
      "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\Garmin\\MapSource\\Families\\Old1234]\n"
      "  [hkey_local_machine\\software\\garmin\\mapsource\\families\\new5678\\]  \n"
      "\"typ\"=-\n"
      "@ = \"default\"\n"
      "\"Long\"=hex:01,02,\\\n"
      "     03,04 \\\n"
      "  05\n"
      "\"Num\" = DWORD:1F\n");
  ASSERT_EQ(change.errorLine, 0u) << change.error;
  ASSERT_TRUE(applyRegFile(change.operations, Root::LocalMachine, tree));
  const std::string families = "SOFTWARE\\Garmin\\MapSource\\Families";
  EXPECT_EQ(tree.subkeyNames(families), std::vector<std::string>{"New5678"});
  EXPECT_EQ(tree.values(families + "\\New5678"),
            (std::vector<RegValue>{{"ID", kRegBinary, "\x2E\x16"},
                                   {"", kRegSz, std::string("default\0", 8)},
                                   {"Long", kRegBinary, "\x01\x02\x03\x04\x05"},
                                   {"Num", kRegDword, std::string("\x1F\0\0\0", 4)}}));
}

TEST(RegFileReading, LeavesTheHiveUntouchedWhenAnOperationNamesTheOtherRoot) {
  const RegFileContent content =
      parseRegFile("REGEDIT4\n[HKEY_CURRENT_USER\\a]\n\"v\"=\"1\"\n[HKEY_LOCAL_MACHINE\\b]\n");
  ASSERT_EQ(content.errorLine, 0u);
  RegistryTree tree;
  EXPECT_FALSE(applyRegFile(content.operations, Root::CurrentUser, tree));
  EXPECT_EQ(tree, RegistryTree{});
}

struct Malformed {
  const char* file;
  std::size_t line;
};

class RegFileMalformed : public ::testing::TestWithParam<Malformed> {};

TEST_P(RegFileMalformed, NamesTheLineAndYieldsNothing) {
  const RegFileContent content = parseRegFile(GetParam().file);
  EXPECT_EQ(content.errorLine, GetParam().line) << content.error;
  EXPECT_FALSE(content.error.empty());
  EXPECT_TRUE(content.operations.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, RegFileMalformed,
    ::testing::Values(
        Malformed{"", 1}, Malformed{"\r\n\r\n", 1},
        Malformed{"REGEDIT5\r\n[HKEY_CURRENT_USER\\a]\r\n", 1},
        Malformed{"\xFE\xFFREGEDIT4\r\n", 1},
        Malformed{"REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"v\"=\"1\"\r\n[HKEY_CLASSES_ROOT\\a]\r\n",
                  4},
        Malformed{"REGEDIT4\r\n[HKEY_USERS\\.DEFAULT]\r\n", 2},
        Malformed{"REGEDIT4\r\n[HKEY_CURRENT_USER\\a\r\n", 2},
        Malformed{"REGEDIT4\r\n[HKEY_CURRENT_USER\\\\a]\r\n", 2},
        Malformed{"REGEDIT4\r\n[-HKEY_CURRENT_USER]\r\n", 2},
        Malformed{"REGEDIT4\r\n\"v\"=\"1\"\r\n", 2},
        Malformed{"REGEDIT4\r\n[-HKEY_CURRENT_USER\\a]\r\n\"v\"=\"1\"\r\n", 3},
        Malformed{"REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"v=\"1\"\r\n", 3},
        Malformed{"REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"v\"=\"C:\\Maps\"\r\n", 3},
        Malformed{"REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"v\"=\"1\" trailing\r\n", 3},
        Malformed{"REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"v\" \"1\"\r\n", 3},
        Malformed{"REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"v\"=text\r\n", 3},
        Malformed{"REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"v\"=dword:123456789\r\n", 3},
        Malformed{"REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"v\"=dword:\r\n", 3},
        Malformed{"REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"v\"=hex:0g\r\n", 3},
        Malformed{"REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"v\"=hex:01,,02\r\n", 3},
        Malformed{"REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"v\"=hex:123\r\n", 3},
        Malformed{"REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"v\"=hex(x):01\r\n", 3},
        Malformed{"REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"v\"=hex(1)01\r\n", 3},
        Malformed{"REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"v\"=hex:01,\\\r\n  02,zz\r\n", 4},
        Malformed{"REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"v\"=hex:01,\\", 3},
        Malformed{"REGEDIT4\r\n[HKEY_CURRENT_USER\\a]\r\n\"ok\"=\"1\"\r\nnonsense\r\n", 4}));

}  // namespace
}  // namespace mapsetdesk
