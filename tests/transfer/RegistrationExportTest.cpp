// The export's gathering of a registration's files into the tile folder:
// the log's lines and line ends, the files copied and those already there,
// and a failed copy that keeps the earlier log.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "formats/FileBytes.h"
#include "platform/FilePath.h"
#include "support/TempDir.h"
#include "transfer/ImportLog.h"
#include "transfer/RegistrationExport.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

class RegistrationExport : public ::testing::Test {
 protected:
  std::string at(const fs::path& path) { return pathText(path); }
  std::string read(const fs::path& path) { return readFileBytes(pathText(path)).bytes; }

  testing::TempDir folder;
  fs::path tiles = folder / "harz";
  fs::path other = folder / "anderswo";
};

TEST_F(RegistrationExport, CopiesEveryFileAndListsEveryName) {
  writeFile(tiles / "osmmap.tdb", "tdb in the tile folder");
  writeFile(other / "osmmap.tdb", "registered tdb");
  writeFile(other / "osmmap.img", "overview");
  // UTF-8 names reach the file system through filePath, as in the program.
  const fs::path typ = filePath(pathText(other) + "/S\xC3\xBC" "d.Typ");
  writeFile(typ, "typ");
  const std::vector<RegistrationFile> files = {
      {"TRF", ""}, {"MDR", ""}, {"IDX", ""}, {"TYP", at(typ)},
      {"TDB", at(other / "osmmap.tdb")}, {"BMAP", at(other / "osmmap.img")}};
  const ExportDone done = exportRegistration(files, at(tiles));
  EXPECT_EQ(done.outcome, ExportOutcome::Exported) << done.file << " " << done.error;
  EXPECT_EQ(read(tiles / "log"), "S\xFC" "d.Typ\r\nosmmap.tdb\r\nosmmap.img\r\n")
      << "three lines without TRF, MDR and IDX, in Windows-1252";
  EXPECT_EQ(read(tiles / "osmmap.tdb"), "registered tdb")
      << "a stale copy from an earlier export is replaced";
  EXPECT_EQ(read(tiles / "osmmap.img"), "overview");

  const ExportDone again = exportRegistration({{"TDB", at(other / "osmmap.tdb")}}, at(tiles));
  EXPECT_EQ(again.outcome, ExportOutcome::Exported);
  EXPECT_EQ(read(tiles / "log"), "osmmap.tdb\r\n") << "a second export replaces the log";
}

TEST_F(RegistrationExport, ANameWindows1252CannotHoldKeepsTheLogInUtf8) {
  const std::string cyrillic = "\xD0\x9A\xD0\xB0\xD1\x80\xD1\x82\xD0\xB0.tdb";
  EXPECT_EQ(exportLogText({"S\xC3\xBC" "d.img", cyrillic}),
            "S\xC3\xBC" "d.img\r\n" + cyrillic + "\r\n");
  EXPECT_EQ(readImportLog(exportLogText({"S\xC3\xBC" "d.img", cyrillic})).tdb, cyrillic);
}

TEST_F(RegistrationExport, AFileThatCannotBeCopiedStopsAndKeepsTheEarlierLog) {
  writeFile(tiles / "log", "earlier\r\n");
  writeFile(other / "osmmap.mdx", "index");
  const std::vector<RegistrationFile> files = {{"IDX", at(other / "osmmap.mdx")},
                                               {"TDB", at(other / "fehlt.tdb")}};
  const ExportDone done = exportRegistration(files, at(tiles));
  EXPECT_EQ(done.outcome, ExportOutcome::CopyFailed);
  EXPECT_EQ(done.file, at(other / "fehlt.tdb"));
  EXPECT_FALSE(done.error.empty());
  EXPECT_EQ(read(tiles / "log"), "earlier\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(tiles), fs::directory_iterator()), 2)
      << "the log and the index copied before; no temporary file is left";
}

TEST_F(RegistrationExport, AFileInTheTileFolderItselfIsNamedNotCopied) {
  writeFile(tiles / "osmmap.tdb", "the registered tdb");
  const ExportDone done = exportRegistration({{"TDB", at(tiles / "osmmap.tdb")}}, at(tiles));
  EXPECT_EQ(done.outcome, ExportOutcome::Exported) << done.file << " " << done.error;
  EXPECT_EQ(read(tiles / "osmmap.tdb"), "the registered tdb");
  EXPECT_EQ(read(tiles / "log"), "osmmap.tdb\r\n");
}

TEST_F(RegistrationExport, WithoutTileFolderNothingIsCopiedAnywhere) {
  writeFile(other / "osmmap.tdb", "registered tdb");
  const fs::path before = fs::current_path();
  fs::current_path(folder.path());
  const ExportDone done = exportRegistration({{"TDB", at(other / "osmmap.tdb")}}, "");
  fs::current_path(before);
  EXPECT_EQ(done.outcome, ExportOutcome::NoTileFolder);
  EXPECT_FALSE(fs::exists(folder / "osmmap.tdb"));
  EXPECT_FALSE(fs::exists(folder / "log"));
}

}  // namespace
}  // namespace mapsetdesk
