// An install of a few hundred tiles killed by SIGKILL at several points of
// its run, as by the task manager or a power cut: the next start leaves
// either the whole mapset or nothing of it, and the check finds nothing.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "cli/posix/CliRoot.h"
#include "platform/FilePath.h"
#include "support/RealMapsets.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

constexpr int kTiles = 300;

void replaceAll(std::string& bytes, const std::string& from, const std::string& to) {
  for (std::size_t at = bytes.find(from); at != std::string::npos;
       at = bytes.find(from, at + to.size()))
    bytes.replace(at, from.size(), to);
}

std::string littleEndian(std::uint32_t number) {
  std::string bytes;
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>(number >> shift & 0xFF);
  return bytes;
}

class InstallCrash : public ::testing::Test, public CliRoot {
 public:
  void SetUp() override {
    ASSERT_TRUE(mapsets.available()) << kNoGarminFiles;
    fs::create_directories(karten());
    // One mkgmap tile under new numbers: in its file name, in the names of
    // its subfiles and as the map number its TRE holds, which the TDB lists.
    const std::string original = readFile(mapsets.root() / "mapset" / "63240001.img");
    for (int tile = 0; tile < kTiles; ++tile) {
      const std::string number = std::to_string(63240100 + tile);
      std::string bytes = original;
      replaceAll(bytes, "63240001", number);
      replaceAll(bytes, littleEndian(63240001), littleEndian(63240100 + tile));
      const fs::path copy = karten() / (number + ".img");
      writeFile(copy, bytes);
      tiles.push_back(pathText(copy));
    }
    ASSERT_EQ(cli({"set-wow64", "no"}).exitCode, 0);
  }

  std::vector<std::string> installArguments() const {
    std::vector<std::string> arguments{"install", "--registry", "--name", "Topo Harz", "--fid",
                                       "1234"};
    arguments.insert(arguments.end(), tiles.begin(), tiles.end());
    return arguments;
  }

  // Starts the install and kills it once `reached` holds, or lets it end
  // when it never does; true when it was killed.
  bool installKilledWhen(const std::function<bool()>& reached) {
    const std::vector<std::string> arguments = withRoot(installArguments());
    std::vector<char*> argv{const_cast<char*>(MAPSETDESK_CLI)};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
      const int quiet = ::open("/dev/null", O_WRONLY);
      dup2(quiet, 1);
      dup2(quiet, 2);
      chdir(scratch.str().c_str());
      execv(MAPSETDESK_CLI, argv.data());
      _exit(127);
    }
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
      if (reached()) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
        return true;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
  }

  bool historyHolds(const char* name) const {
    const fs::path history = home / "AppData" / "Local" / "ZORVAN" / "History";
    std::error_code error;
    for (fs::directory_iterator it(history, error), end; !error && it != end; it.increment(error))
      if (fs::exists(it->path() / name)) return true;
    return false;
  }
  bool written(const char* name) const { return fs::exists(karten() / name); }

  RealMapsets mapsets;
  std::vector<std::string> tiles;
};

TEST_F(InstallCrash, AKilledInstallLeavesTheWholeMapsetOrNothingAndACleanCheck) {
  const struct {
    const char* point;
    std::function<bool(InstallCrash&)> reached;
  } points[] = {
      {"entry begun", [](InstallCrash& t) { return t.historyHolds("entry.txt"); }},
      {"TDB written", [](InstallCrash& t) { return t.written("Topo_Har.tdb"); }},
      {"overview written", [](InstallCrash& t) { return t.written("Topo_Har.img"); }},
      {"entry complete", [](InstallCrash& t) { return t.historyHolds("complete"); }},
  };
  int killed = 0;
  for (const auto& point : points) {
    SCOPED_TRACE(point.point);
    killed += installKilledWhen([&] { return point.reached(*this); }) ? 1 : 0;

    const ProgramRun listed = cli({"list"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    const bool whole = !listed.out.empty();
    EXPECT_EQ(written("Topo_Har.tdb"), whole);
    EXPECT_EQ(written("Topo_Har.img"), whole);
    if (!whole) {
      EXPECT_FALSE(written("Topo_Har.mp"));
    }
    const ProgramRun checked = cli({"check"});
    EXPECT_EQ(checked.exitCode, 0) << checked.out << checked.err;
    for (int tile = 0; tile < kTiles; ++tile) ASSERT_TRUE(fs::exists(filePath(tiles[tile])));

    // The next point starts from nothing again.
    if (whole) {
      ASSERT_EQ(cli({"undo", "--yes"}).exitCode, 0);
    }
    ASSERT_EQ(cli({"list"}).out, "");
  }
  EXPECT_GE(killed, 2) << "the install ran past the points it was to be killed at";
}

}  // namespace
}  // namespace mapsetdesk::testing
