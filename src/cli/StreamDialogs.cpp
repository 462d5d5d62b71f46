#include "cli/StreamDialogs.h"

namespace mapsetdesk::cli {

Answer StreamDialogs::message(const Message& message) {
  if (message.buttons != Buttons::Ok) {
    const auto given = answers_.find(message.text);
    if (given != answers_.end()) return given->second;
  }
  out_ << message.text << '\n';
  if (message.buttons == Buttons::Ok) return Answer::Ok;
  ++unanswered_;
  return message.buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

std::optional<std::string> StreamDialogs::chooseFolder(const std::string& title,
                                                       const std::string&) {
  const auto given = folders_.find(title);
  if (given != folders_.end()) return given->second;
  ++unanswered_;
  return std::nullopt;
}

std::optional<std::string> StreamDialogs::chooseFile(const std::string&, const std::string&,
                                                     const std::string&) {
  ++unanswered_;
  return std::nullopt;
}

}  // namespace mapsetdesk::cli
