#pragma once
// The messages that follow the emptying of a tile cache, titled as all the
// program's messages are.
#include <cstddef>
#include <string>
#include <string_view>

#include "app/messages/CatalogueTexts.h"
#include "cache/CacheClearing.h"
#include "platform/Dialogs.h"

namespace mapsetdesk {

// "<MB> MB im Tilecache" with the information icon, followed by the files
// that had to stay (then with the exclamation icon); the access-denied label
// when what is left cannot be read.
Message cacheClearedMessage(const CacheClearing& clearing, Sprache sprache);

// "<count> file(s) could not be deleted: ..." in the language.
std::string notDeletedNotice(std::size_t count, Sprache sprache);

// The cache folder was a link to another place and was left alone.
Message cacheLinkMessage(const std::string& folder, Sprache sprache);

// A button's message for a cache folder that does not exist.
Message cacheNotExistingMessage(std::string_view text);

}  // namespace mapsetdesk
