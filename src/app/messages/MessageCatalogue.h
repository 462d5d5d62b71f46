#pragma once
// The texts the main window shows now: every catalogue message, and the
// captions and tool tips of its controls by control name, which the window
// copies onto its controls. Nothing is looked up at the moment a text is
// shown; `language` refills the whole catalogue when the language changes.
#include <optional>
#include <string>
#include <string_view>

#include "app/messages/CatalogueTexts.h"
#include "formats/TdbMessages.h"

namespace mapsetdesk {

class MessageCatalogue {
 public:
  // Messages are empty until the first fill; the captions that no language
  // changes (the language menu's "Language") are there from the start.
  MessageCatalogue();

  // Every message, caption and tool tip of that language.
  void fill(Sprache sprache);
  bool empty() const { return !sprache_; }
  // The language of the current texts; none before the first fill.
  std::optional<Sprache> sprache() const { return sprache_; }

  // The text of a catalogue key (see MessageKeys.h); empty before the first fill.
  const std::string& text(std::string_view key) const;
  const std::string& caption(std::string_view control) const;
  const std::string& toolTip(std::string_view control) const;
  void setCaption(std::string_view control, std::string text);
  void setToolTip(std::string_view control, std::string text);
  const TextTable& captions() const { return captions_; }
  const TextTable& toolTips() const { return toolTips_; }
  // The messages of the TDB operations (rename, checksum).
  const TdbTexts& tdb() const { return tdb_; }

  // The hint after a failed overview compile, joined from its pieces.
  std::string cgpsmapperHint() const;

 private:
  std::optional<Sprache> sprache_;
  TextTable messages_;
  TextTable captions_;
  TextTable toolTips_;
  TdbTexts tdb_;
};

}  // namespace mapsetdesk
