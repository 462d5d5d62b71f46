#include <gtest/gtest.h>
#include <filesystem>
#include <string>
#include <vector>

#include "support/RealMapsets.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace mapsetdesk {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::TempDir;
using testing::writeFile;

using CliRun = testing::ProgramRun;

CliRun runInfo(const TempDir& scratch, const std::vector<std::string>& files) {
  std::vector<std::string> arguments{"info"};
  arguments.insert(arguments.end(), files.begin(), files.end());
  return testing::runProgram(MAPSETDESK_CLI, arguments, scratch);
}

class InfoCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    const testing::RealMapsets mapsets;
    ASSERT_TRUE(mapsets.available()) << testing::kNoGarminFiles;
    mapset_ = mapsets.root() / "mapset";
    typ_ = mapsets.root() / "typ";
  }

  std::string mapset(const std::string& name) const { return (mapset_ / name).string(); }

  TempDir scratch_;
  fs::path mapset_;
  fs::path typ_;
};

TEST_F(InfoCommand, DescribesEveryKindOfGarminFile) {
  const std::string gmap = mapset("Harz Familie.gmap");
  const std::vector<std::string> files = {
      mapset("osmmap.tdb"),
      mapset("63240001.img"),
      gmap + "/Product3/63240002/63240002.TRE",
      (typ_ / "harz-typ.typ").string(),
      mapset("osmmap.mdx"),
      gmap + "/Info.xml",
  };
  const CliRun run = runInfo(scratch_, files);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.out,
            "file: " + files[0] + "\n"
            "kind: tdb\n"
            "version: 407\n"
            "pid: 3\n"
            "fid: 4711\n"
            "name: Harzkarte S\xC3\xBC" "d\n"
            "checksum: ok\n"
            "tiles: 2\n"
            "\n"
            "file: " + files[1] + "\n"
            "kind: img\n"
            "xor: 0\n"
            "draw-priority: 27\n"
            "\n"
            "file: " + files[2] + "\n"
            "kind: subfile\n"
            "draw-priority: 22\n"
            "\n"
            "file: " + files[3] + "\n"
            "kind: typ\n"
            "fid: 4711\n"
            "\n"
            "file: " + files[4] + "\n"
            "kind: mdx\n"
            "records: 2\n"
            "fids: 4711,4711\n"
            "\n"
            "file: " + files[5] + "\n"
            "kind: info.xml\n"
            "product: 3; Harzkarte S\xC3\xBC" "d; fid 4711; tdb osmmap.tdb\n");
}

TEST_F(InfoCommand, ReportsBadChecksumFidZeroAndMissingSignature) {
  std::string tdb = readFile(mapset("osmmap.tdb"));
  tdb[5] = tdb[6] = '\0';  // FID 0: the PID stands in, and the checksum no longer fits
  const fs::path changed = scratch_ / "ZERO.TDB";
  writeFile(changed, tdb);
  const fs::path plain = scratch_ / "blank.IMG";
  writeFile(plain, std::string(100, '\x07'));
  const CliRun run = runInfo(scratch_, {changed.string(), plain.string()});
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_NE(run.out.find("fid: 3\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("checksum: bad\n"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("kind: img\nxor: 7\ndraw-priority: none\n"), std::string::npos)
      << run.out;
}

TEST_F(InfoCommand, ADamagedFileFailsAloneAndTheOthersArePrinted) {
  const std::string tdb = readFile(mapset("osmmap.tdb"));
  const fs::path cut = scratch_ / "cut.tdb";
  writeFile(cut, tdb.substr(0, tdb.size() - 5));
  const std::string missing = (scratch_ / "none.mdx").string();
  const std::string unknown = (scratch_ / "notes.txt").string();
  writeFile(unknown, "x");
  const CliRun run =
      runInfo(scratch_, {cut.string(), mapset("osmmap.mdx"), missing, unknown});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_EQ(run.out,
            "file: " + mapset("osmmap.mdx") + "\nkind: mdx\nrecords: 2\nfids: 4711,4711\n");
  EXPECT_EQ(run.err, cut.string() + ": damaged: a block runs past the end of the file\n" +
                         missing + ": file not found\n" + unknown + ": unknown kind of file\n");
}

TEST(InfoCommandUsage, NeedsAtLeastOneFile) {
  TempDir scratch;
  const CliRun run = runInfo(scratch, {});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "missing: FILE\nsee: mapsetdesk-cli info --help\n");
}

}  // namespace
}  // namespace mapsetdesk
