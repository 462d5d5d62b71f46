#pragma once
// An installation run of the benches, without a screen: a memory registry,
// every question answered Yes (the gmap package), the tools' output kept
// quietly, and tiles made by copying a few samples under new names.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/Services.h"
#include "app/Session.h"
#include "builtin/BuiltinLauncher.h"
#include "install/InstallationRun.h"
#include "install/TileSelection.h"
#include "platform/FilePath.h"
#include "platform/MemoryRegistry.h"
#include "platform/Platform.h"

namespace mapsetdesk::bench {

class YesDialogs : public Dialogs {
 public:
  Answer message(const Message& message) override {
    if (message.buttons == Buttons::Ok) std::fprintf(stderr, "message: %s\n", message.text.c_str());
    return message.buttons == Buttons::Ok ? Answer::Ok : Answer::Yes;
  }
  std::optional<std::string> chooseFolder(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> chooseFile(const std::string&, const std::string&,
                                        const std::string&) override {
    return std::nullopt;
  }
};

class QuietView : public InstallationView, public ToolWindow {
 public:
  explicit QuietView(ToolRunner& runner) : runner_(runner) {}
  void showReport(const std::string& text) override { last = text; }
  ToolWindow& toolWindow() override { return *this; }
  void showToolWindow() override {}
  void WaitForApplication(const std::string& commandLine) override { start(commandLine); }
  void start(const std::string& commandLine) override {
    CaptureWatcher quiet;
    text_ = runner_.capture(commandLine, quiet).output;
  }
  std::string text() const override { return text_; }
  void setText(const std::string& text) override { text_ = text; }
  std::string last;

 private:
  ToolRunner& runner_;
  std::string text_;
};

// count tile files named 00000001.img ..., each a copy of one of the samples.
inline std::vector<std::string> copiesOf(const std::filesystem::path& folder,
                                         const std::vector<std::string>& samples, int count) {
  std::filesystem::create_directories(folder);
  std::vector<std::string> tiles;
  for (int i = 1; i <= count; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "%08d.img", i);
    const std::filesystem::path tile = folder / name;
    std::filesystem::copy_file(filePath(samples[static_cast<std::size_t>(i) % samples.size()]),
                               tile, std::filesystem::copy_options::overwrite_existing);
    tiles.push_back(pathText(tile));
  }
  return tiles;
}

// Everything one run needs; home holds the gmap packages and the history.
class QuietInstall {
 public:
  QuietInstall(const std::string& programFolder, const std::filesystem::path& home,
               ProcessLauncher& launcher, builtin::BuiltinOperations operations)
      : facts_(openSystemFacts(optionsFor(home))),
        seam_(launcher, builtin::ToolSelection([] { return ToolsChoice::Auto; }),
              std::move(operations)),
        runner_(seam_),
        services{registry, *facts_, dialogs_, *sound_, *shell_, runner_, *folders_,
                 programFolder},
        view(runner_) {
    session.vReg6432 = "SOFTWARE";
    session.texts.fill(Sprache::English);
  }

  // The tiles dropped on the tile list, as one package named name.
  NewInstallation job(const std::vector<std::string>& tiles, const std::string& name) const {
    TileSelection selection;
    selection.drop(tiles, folderOf(tiles.front()), services.programFolder);
    const std::string output = pathText(filePath(tiles.front()).parent_path());
    return {selection.entries(), selection.pfad(), output, name, "4242"};
  }

  MemoryRegistry registry;

 private:
  static PlatformOptions optionsFor(const std::filesystem::path& home) {
    PlatformOptions options;
    options.dataRoot = pathText(home);
    return options;
  }

  std::unique_ptr<SystemFacts> facts_;
  YesDialogs dialogs_;
  std::unique_ptr<Sound> sound_ = openSystemSound();
  std::unique_ptr<ShellOpen> shell_ = openSystemShell();
  builtin::BuiltinLauncher seam_;
  ToolRunner runner_;
  std::unique_ptr<FolderOps> folders_ = openSystemFolderOps(dialogs_);

 public:
  Services services;
  Session session;
  QuietView view;
};

}  // namespace mapsetdesk::bench
