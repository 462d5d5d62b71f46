#pragma once
// Everything the logic touches outside its own memory, handed in as one
// bundle instead of being reached through globals. The program builds it from
// the platform's services; a test builds it from in-memory and scripted parts.
#include <functional>
#include <string>

#include "platform/Dialogs.h"
#include "platform/FolderOps.h"
#include "platform/Registry.h"
#include "platform/ShellOpen.h"
#include "platform/Sound.h"
#include "platform/SystemFacts.h"
#include "platform/ToolRunner.h"

namespace mapsetdesk {

struct Services {
  Registry& registry;
  SystemFacts& facts;
  Dialogs& dialogs;
  Sound& sound;
  ShellOpen& shell;
  ToolRunner& runner;  // starts the outside programs
  FolderOps& folders;  // copies and deletes folders and files
  // Where the program's sounds, help file and outside programs lie.
  std::string programFolder;
  // Keeps the windows painting during long work.
  std::function<void()> letEventsRun = [] {};
};

}  // namespace mapsetdesk
