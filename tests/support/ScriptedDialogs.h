#pragma once
// Dialogs for tests: records every message and answers from a script. A
// question that the script does not expect fails the running test.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace mapsetdesk::testing {

// One opening of the folder or file chooser, with what it was given.
struct ChooserCall {
  enum Kind { Folder, File } kind = Folder;
  std::string title;
  std::string filter;  // file chooser only
  std::string startFolder;
};

class ScriptedDialogs : public Dialogs {
 public:
  // Queue the answer to the next message that has more than an OK button.
  void answer(Answer answer) { answers_.push_back(answer); }
  void folder(std::optional<std::string> folder) { folders_.push_back(std::move(folder)); }
  void file(std::optional<std::string> file) { files_.push_back(std::move(file)); }

  Answer message(const Message& message) override;
  std::optional<std::string> chooseFolder(const std::string& title,
                                          const std::string& startFolder) override;
  std::optional<std::string> chooseFile(const std::string& title, const std::string& filter,
                                        const std::string& startFolder) override;

  const std::vector<Message>& messages() const { return messages_; }
  // Removes and returns the oldest recorded message; fails the test when none.
  Message take();
  void clear() { messages_.clear(); }
  // Answers queued but never asked for.
  std::size_t unusedAnswers() const { return answers_.size() + folders_.size() + files_.size(); }
  // Every opening of a chooser, oldest first.
  const std::vector<ChooserCall>& choosers() const { return choosers_; }
  // Fails the running test for each message not taken and each answer not
  // used: the flow showed more, or asked less, than the test expected.
  void expectAllTaken();

 private:
  std::vector<Message> messages_;
  std::vector<ChooserCall> choosers_;
  std::deque<Answer> answers_;
  std::deque<std::optional<std::string>> folders_;
  std::deque<std::optional<std::string>> files_;
};

}  // namespace mapsetdesk::testing
