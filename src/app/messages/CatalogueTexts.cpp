#include "app/messages/CatalogueTexts.h"

#include "app/messages/MessageKeys.h"

namespace mapsetdesk {

const CatalogueTexts& catalogueTexts(Sprache sprache) {
  return sprache == Sprache::English ? englishTexts() : germanTexts();
}

const TextTable& messageToolTips() {
  static const TextTable table{
      {"ListLoeschen", std::string(key::Tip1)},
      {"File1", std::string(key::Tip2)},
      {"CmdExpImp", std::string(key::Tooltip3)},
  };
  return table;
}

}  // namespace mapsetdesk
