#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace mapsetdesk::testing {

Answer ScriptedDialogs::message(const Message& message) {
  messages_.push_back(message);
  if (message.buttons == Buttons::Ok) return Answer::Ok;
  if (answers_.empty()) {
    ADD_FAILURE() << "unexpected question \"" << message.text << "\" titled \""
                  << message.title << "\"";
    return message.buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
  }
  const Answer next = answers_.front();
  answers_.pop_front();
  return next;
}

std::optional<std::string> ScriptedDialogs::chooseFolder(const std::string& title,
                                                         const std::string& startFolder) {
  choosers_.push_back({ChooserCall::Folder, title, {}, startFolder});
  if (folders_.empty()) {
    ADD_FAILURE() << "unexpected folder chooser \"" << title << "\"";
    return std::nullopt;
  }
  auto next = folders_.front();
  folders_.pop_front();
  return next;
}

std::optional<std::string> ScriptedDialogs::chooseFile(const std::string& title,
                                                       const std::string& filter,
                                                       const std::string& startFolder) {
  choosers_.push_back({ChooserCall::File, title, filter, startFolder});
  if (files_.empty()) {
    ADD_FAILURE() << "unexpected file chooser \"" << title << "\"";
    return std::nullopt;
  }
  auto next = files_.front();
  files_.pop_front();
  return next;
}

Message ScriptedDialogs::take() {
  if (messages_.empty()) {
    ADD_FAILURE() << "expected a message, none was shown";
    return {};
  }
  Message first = messages_.front();
  messages_.erase(messages_.begin());
  return first;
}

void ScriptedDialogs::expectAllTaken() {
  for (const Message& left : messages_) {
    ADD_FAILURE() << "message not expected by the test: \"" << left.text << "\" titled \""
                  << left.title << "\"";
  }
  if (unusedAnswers() != 0) ADD_FAILURE() << unusedAnswers() << " scripted answers never asked for";
}

}  // namespace mapsetdesk::testing
