#include "app/messages/MessageCatalogue.h"

#include "app/messages/MessageKeys.h"
#include "app/messages/TdbTexts.h"

namespace mapsetdesk {
namespace {

const std::string& lookup(const TextTable& table, std::string_view name) {
  static const std::string none;
  const auto found = table.find(name);
  return found == table.end() ? none : found->second;
}

void assign(TextTable& table, std::string_view name, std::string text) {
  table.insert_or_assign(std::string(name), std::move(text));
}

}  // namespace

MessageCatalogue::MessageCatalogue() : captions_{{"Sprachwahl", "Language"}} {}

void MessageCatalogue::fill(Sprache sprache) {
  const CatalogueTexts& texts = catalogueTexts(sprache);
  messages_ = texts.messages;
  for (const auto& [control, caption] : texts.captions) assign(captions_, control, caption);
  for (const auto& [control, tip] : texts.toolTips) assign(toolTips_, control, tip);
  for (const auto& [control, key] : messageToolTips()) assign(toolTips_, control, text(key));
  tdb_ = tdbTexts(sprache);
  sprache_ = sprache;
}

const std::string& MessageCatalogue::text(std::string_view key) const {
  return lookup(messages_, key);
}

const std::string& MessageCatalogue::caption(std::string_view control) const {
  return lookup(captions_, control);
}

const std::string& MessageCatalogue::toolTip(std::string_view control) const {
  return lookup(toolTips_, control);
}

void MessageCatalogue::setCaption(std::string_view control, std::string text) {
  assign(captions_, control, std::move(text));
}

void MessageCatalogue::setToolTip(std::string_view control, std::string text) {
  assign(toolTips_, control, std::move(text));
}

std::string MessageCatalogue::cgpsmapperHint() const {
  return text(key::Satz64) + text(key::Satz65) + text(key::Satz78);
}

}  // namespace mapsetdesk
