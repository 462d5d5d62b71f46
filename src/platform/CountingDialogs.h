#pragma once
// Dialogs that show nothing: every message is counted and answered OK, and
// no folder or file is ever chosen. For work whose messages only need to be
// noticed, not shown.
#include <optional>
#include <string>

#include "platform/Dialogs.h"

namespace mapsetdesk {

class CountingDialogs : public Dialogs {
 public:
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

  int messages = 0;
};

}  // namespace mapsetdesk
