#pragma once
// What the TYP assignments share: the files they touch, the messages they
// show and the list of what an action has changed so far, named when it
// stops half-way.
#include <string>
#include <vector>

#include "edit/TypAssignment.h"

namespace mapsetdesk {

// Whether a and b are one existing file, whatever the spelling of the paths.
bool sameFile(const std::string& a, const std::string& b);
// path + ".bak" replaced by the file at path; false when the rename failed.
bool keepAsBak(const std::string& path);

class TypAction {
 public:
  explicit TypAction(const TypSetting& setting) : setting_(setting) {}

  bool german() const;
  const std::string& text(std::string_view key) const { return setting_.texts.text(key); }
  void tell(const std::string& text, Icon icon = Icon::None) const;
  bool ask(std::string_view key) const;
  void changed(const std::string& what) { changed_.push_back(what); }
  // The stop's own message, then what was already changed, if anything.
  bool stop(const std::string& text, Icon icon = Icon::Exclamation) const;
  // Success.wav and the message of key.
  bool done(std::string_view key) const;

 private:
  const TypSetting& setting_;
  std::vector<std::string> changed_;
};

}  // namespace mapsetdesk
