#pragma once
// What the TYP assignments share: the files they touch, the messages they
// show, and what they tell the change history.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/messages/EditTexts.h"
#include "edit/TypAssignment.h"

namespace mapsetdesk {

// Whether a and b are one existing file, whatever the spelling of the paths.
bool sameFile(const std::string& a, const std::string& b);
// The TYP files of folder (any case of ".typ") whose names the assignment
// cannot take, sorted; empty for a folder that cannot be read.
std::vector<std::string> unusableTypNames(const std::string& folder);
// path + ".bak" replaced by the file at path; false when the rename failed.
bool keepAsBak(const std::string& path);
// The chosen TYP file's bytes with the FID in place; nullopt when it is
// missing, unreadable or no TYP file.
std::optional<std::string> typCopyBytes(const std::string& typ, std::uint16_t fid);

class TypAction {
 public:
  explicit TypAction(const TypSetting& setting)
      : setting_(setting), edit_(editTexts(german() ? Sprache::Deutsch : Sprache::English)) {}

  bool german() const;
  const std::string& text(std::string_view key) const { return setting_.texts.text(key); }
  void tell(const std::string& text, Icon icon = Icon::None) const;
  bool ask(std::string_view key) const;
  // Stops an action that has not changed anything.
  bool stop(const std::string& text, Icon icon = Icon::Exclamation) const;
  const EditTexts& edit() const { return edit_; }
  // The refusal of the chosen TYP file: nothing was changed.
  bool notATyp(const std::string& typ) const;
  // Hands path's state to the change history before its first write.
  bool keep(const std::string& path) const { return setting_.keepFile(path); }
  // A write succeeded; one failed at path: the user is told to close
  // MapSource, and the change history puts the files back.
  void wrote(const std::string& path) { result_.written.push_back(path); }
  bool failed(const std::string& path);
  // Success.wav and the message of key.
  bool done(std::string_view key);
  // Done with nothing to change or say.
  bool doneQuietly() { return result_.done = true; }
  const TypResult& result() const { return result_; }

 private:
  const TypSetting& setting_;
  EditTexts edit_;
  TypResult result_;
};

}  // namespace mapsetdesk
