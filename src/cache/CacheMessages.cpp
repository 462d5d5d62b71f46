#include "cache/CacheMessages.h"

#include "app/ProductTitle.h"
#include "app/messages/CacheTexts.h"

namespace mapsetdesk {

Message cacheClearedMessage(const CacheClearing& clearing, Sprache sprache) {
  Message message{{}, std::string(kMessageTitle), Buttons::Ok, Icon::Information};
  if (clearing.left.state != CacheState::Measured) {
    message.text = cacheLabel(clearing.left);
    message.icon = Icon::Exclamation;
    return message;
  }
  message.text = std::to_string(clearing.left.megabytes()) + " MB im Tilecache";
  if (clearing.outcome.notDeleted > 0) {
    message.text += "\n" + notDeletedNotice(clearing.outcome.notDeleted, sprache);
    message.icon = Icon::Exclamation;
  }
  return message;
}

std::string notDeletedNotice(std::size_t count, Sprache sprache) {
  return std::to_string(count) + cacheTexts(sprache).notDeleted;
}

Message cacheLinkMessage(const std::string& folder, Sprache sprache) {
  return {cacheTexts(sprache).linkedFolder + folder, std::string(kMessageTitle), Buttons::Ok,
          Icon::Exclamation};
}

Message cacheNotExistingMessage(std::string_view text) {
  return {std::string(text), std::string(kMessageTitle), Buttons::Ok, Icon::None};
}

}  // namespace mapsetdesk
