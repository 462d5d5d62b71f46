#pragma once
// The dialogs of the command-line front end: a message is printed as one
// line. A question is answered only when the command's options gave its
// answer; any other question is printed and counted, and reads as Cancel or
// No, so a command never hangs waiting for a person. A folder chooser
// returns only the folder the options gave for its title.
#include <map>
#include <ostream>
#include <string>

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
  // The answer to the question with exactly this text.
  void answer(const std::string& question, Answer answer) { answers_[question] = answer; }
  // The folder the folder chooser with exactly this title returns.
  void answerFolder(const std::string& title, const std::string& folder) {
    folders_[title] = folder;
  }

 private:
  std::ostream& out_;
  int unanswered_ = 0;
  std::map<std::string, Answer> answers_;
  std::map<std::string, std::string> folders_;
};

}  // namespace mapsetdesk::cli
