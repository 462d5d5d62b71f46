// Every changing flow of the command line, run for real on mkgmap's files,
// goes into the change history: undoing what it wrote brings back the
// registry export and every file byte for byte, and undoing that undo brings
// the change back.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>

#include "formats/FileBytes.h"
#include "platform/FilePath.h"
#include "platform/Platform.h"
#include "support/BrokenInstallation.h"
#include "cli/posix/CliRoot.h"
#include "support/ExistingMapsetFiles.h"

namespace mapsetdesk::testing {
namespace {

namespace fs = std::filesystem;

// A data root of its own with mkgmap's two tiles in its map folder.
class FlowRoot : public CliRoot {
 public:
  void prepare() {
    ASSERT_TRUE(files.available()) << kNoGarminFiles;
    fs::create_directories(karten());
    for (const char* tile : {"63240001.img", "63240002.img"})
      fs::copy_file(files.mapsets().root() / "mapset" / tile, karten() / tile);
    ASSERT_EQ(cli({"set-wow64", "no"}).exitCode, 0);
  }

  // The machine's keys, the user's Garmin keys and every file of the data
  // root but the hives and the history itself, each by its size and a hash
  // of its bytes. The program's own settings (the last folders shown) and
  // the empty folders it makes at start are no part of any mapset.
  std::string state() {
    std::string text = cli({"reg", "export", "HKLM\\SOFTWARE"}).out +
                       cli({"reg", "export", "HKCU\\Software\\Garmin"}).out;
    for (const auto& item : fs::recursive_directory_iterator(home.path())) {
      const std::string relative = item.path().lexically_relative(home.path()).generic_string();
      if (!item.is_regular_file() || relative.starts_with("registry/") ||
          relative.starts_with("AppData/Local/ZORVAN/History/"))
        continue;
      const std::string bytes = readFile(item.path());
      text += '\n' + relative + ' ' + std::to_string(bytes.size()) + ' ' +
              std::to_string(std::hash<std::string>{}(bytes));
    }
    return text;
  }

  // The ids of the complete changes, oldest first.
  std::vector<std::string> changes() {
    std::vector<std::string> ids;
    for (const auto& entry : nlohmann::json::parse(cli({"history", "--json"}).out))
      if (entry["state"] == "complete" && entry["action"] != "undo")
        ids.insert(ids.begin(), entry["id"].get<std::string>());
    return ids;
  }

  ExistingFiles existing() {
    return files.make(home / "Dateien", "Harzkarte", 4711, 3, {.typ = true, .index = true});
  }
  std::vector<std::string> registerArguments(const ExistingFiles& mapset) {
    return {"register", "--tiles", mapset.tiles, "--tdb", mapset.tdb, "--overview",
            mapset.overview, "--typ", mapset.typ, "--mdx", mapset.index};
  }
  void breakInstallation() {
    ASSERT_EQ(cli({"set-wow64", "yes"}).exitCode, 0);
    PlatformOptions options;
    options.dataRoot = home.str();
    const auto registry = openSystemRegistry(options);
    const GmapFolders maps{pathOf(home / "ProgramData" / "GARMIN" / "Maps"), {}, {}};
    BrokenInstallation installation(*registry, "SOFTWARE\\Wow6432Node",
                                    "SOFTWARE\\Wow6432Node\\Wow6432Node", karten(), maps);
    installation.makeAll();
  }

  ExistingMapsetFiles files;
};

struct FlowCase {
  const char* name;
  std::function<void(FlowRoot&)> before;  // sets up what the flow acts on
  std::function<std::vector<std::string>(FlowRoot&)> arguments;
  int exitCode = 0;
};

const FlowCase kFlows[] = {
    {"install as registration", [](FlowRoot&) {},
     [](FlowRoot& t) -> std::vector<std::string> {
       return {"install", "--registry", "--name", "Topo Harz", "--fid", "1234",
               t.tile("63240001.img"), t.tile("63240002.img")};
     }},
    {"install as package", [](FlowRoot&) {},
     [](FlowRoot& t) -> std::vector<std::string> {
       return {"install", "--gmap", "--name", "Topo Harz", "--fid", "1234",
               t.tile("63240001.img"), t.tile("63240002.img")};
     }},
    {"existing TDB registered", [](FlowRoot&) {},
     [](FlowRoot& t) { return t.registerArguments(t.existing()); }},
    {"existing TDB packaged", [](FlowRoot&) {},
     [](FlowRoot& t) {
       std::vector<std::string> arguments = t.registerArguments(t.existing());
       arguments.push_back("--gmap");
       return arguments;
     }},
    {"convert",
     [](FlowRoot& t) { ASSERT_EQ(t.cli(t.registerArguments(t.existing())).exitCode, 0); },
     [](FlowRoot&) -> std::vector<std::string> { return {"convert", "4711", "--to-gmap"}; }},
    {"import of a package", [](FlowRoot&) {},
     [](FlowRoot& t) -> std::vector<std::string> {
       const fs::path package = t.files.mapsets().copyPackage(t.scratch / "export", "Harz");
       return {"import", pathText(package), "--user"};
     }},
    {"repairs of the check", [](FlowRoot& t) { t.breakInstallation(); },
     [](FlowRoot&) -> std::vector<std::string> { return {"check", "--repair", "--yes"}; }, 1},
};

void undoneByteForByte(const FlowCase& flow, FlowRoot& root) {
  ASSERT_NO_FATAL_FAILURE(root.prepare());
  ASSERT_NO_FATAL_FAILURE(flow.before(root));
  const std::vector<std::string> arguments = flow.arguments(root);
  const std::vector<std::string> earlier = root.changes();
  const std::string before = root.state();
  const ProgramRun run = root.cli(arguments);
  ASSERT_EQ(run.exitCode, flow.exitCode) << run.out << run.err;
  const std::string after = root.state();
  ASSERT_NE(after, before);
  const std::vector<std::string> made = root.changes();
  ASSERT_GT(made.size(), earlier.size());

  for (std::size_t undo = earlier.size(); undo < made.size(); ++undo) {
    const ProgramRun undone = root.cli({"undo", "--yes"});
    ASSERT_EQ(undone.exitCode, 0) << undone.err;
  }
  EXPECT_EQ(root.state(), before);
  EXPECT_EQ(root.changes(), earlier);

  // The newest undo taken back brings back the change it undid.
  const std::string lastUndo =
      nlohmann::json::parse(root.cli({"history", "--json"}).out)[0]["id"];
  ASSERT_EQ(root.cli({"undo", lastUndo, "--yes"}).exitCode, 0);
  if (made.size() == earlier.size() + 1) {
    EXPECT_EQ(root.state(), after);
  }
}

TEST(FlowUndo, EachFlowIsUndoneByteForByteAndTheUndoCanBeUndone) {
  for (const FlowCase& flow : kFlows) {
    SCOPED_TRACE(flow.name);
    FlowRoot root;
    undoneByteForByte(flow, root);
  }
}

}  // namespace
}  // namespace mapsetdesk::testing
