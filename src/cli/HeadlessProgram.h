#pragma once
// The program's windows without a screen, for commands that drive a window
// as a person would: the platform's services, a session in the user's
// language and registry base, and every window. What the windows say goes
// to the command's error stream and is counted.
#include <memory>

#include "app/Services.h"
#include "app/Session.h"
#include "cli/Commands.h"
#include "cli/NoScreen.h"
#include "cli/StreamDialogs.h"
#include "platform/FolderOps.h"
#include "platform/ShellOpen.h"
#include "platform/Sound.h"
#include "ui/forms/ProgramWindows.h"

namespace mapsetdesk::cli {

// Counts the messages shown, so that a refusal stops the command.
class CountingDialogs : public Dialogs {
 public:
  explicit CountingDialogs(Dialogs& inner) : inner_(inner) {}
  Answer message(const Message& message) override {
    ++messages;
    return inner_.message(message);
  }
  std::optional<std::string> chooseFolder(const std::string& title,
                                          const std::string& startFolder) override {
    return inner_.chooseFolder(title, startFolder);
  }
  std::optional<std::string> chooseFile(const std::string& title, const std::string& filter,
                                        const std::string& startFolder) override {
    return inner_.chooseFile(title, filter, startFolder);
  }
  int messages = 0;

 private:
  Dialogs& inner_;
};

// Made only once the Wow64 setting is known (see readCatalogues).
class HeadlessProgram {
 public:
  explicit HeadlessProgram(Context& context);

  std::unique_ptr<Registry> registry;
  std::unique_ptr<SystemFacts> facts;
  Session session;
  StreamDialogs stream;
  CountingDialogs dialogs{stream};
  std::unique_ptr<Sound> sound;
  std::unique_ptr<ShellOpen> shell;
  std::unique_ptr<ProcessLauncher> systemProcesses;
  std::unique_ptr<ProcessLauncher> processes;  // the built-in tools in front, by the Tools setting
  std::unique_ptr<ToolRunner> runner;
  std::unique_ptr<FolderOps> folders;
  std::unique_ptr<Services> services;
  NoScreen screen;
  std::unique_ptr<ui::ProgramWindows> windows;
};

}  // namespace mapsetdesk::cli
