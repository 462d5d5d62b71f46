#pragma once
// The dialogs of the command-line front end: a message is printed as one
// line. It answers no question; a question is printed and counted, and reads
// as Cancel or No, so a command never hangs waiting for a person.
#include <ostream>

#include "platform/Dialogs.h"

namespace mapsetdesk::cli {

class StreamDialogs : public Dialogs {
 public:
  explicit StreamDialogs(std::ostream& out) : out_(out) {}

  Answer message(const Message& message) override;
  std::optional<std::string> chooseFolder(const std::string& title,
                                          const std::string& startFolder) override;
  std::optional<std::string> chooseFile(const std::string& title, const std::string& filter,
                                        const std::string& startFolder) override;

  int unansweredQuestions() const { return unanswered_; }

 private:
  std::ostream& out_;
  int unanswered_ = 0;
};

}  // namespace mapsetdesk::cli
