#pragma once
// Dialogs for the benches: every message is counted and answered OK, and no
// folder or file is ever chosen.
#include <optional>
#include <string>

#include "platform/Dialogs.h"

namespace mapsetdesk::bench {

class SilentDialogs : public Dialogs {
 public:
  int messages = 0;
  Answer message(const Message&) override {
    ++messages;
    return Answer::Ok;
  }
  std::optional<std::string> chooseFolder(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> chooseFile(const std::string&, const std::string&,
                                        const std::string&) override {
    return std::nullopt;
  }
};

}  // namespace mapsetdesk::bench
