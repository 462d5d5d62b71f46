#include "app/messages/TdbTexts.h"

#include "app/ProductTitle.h"
#include "app/messages/Website.h"

namespace mapsetdesk {
namespace {

std::string unknownTdbFormat() {
  return "unknowm-tdb-format. Please send tdb-file to : " + std::string(kSupportAddress) +
         " as email-attachment";
}

// The catalogue's backup text, which the rename shows as well.
std::string backupCreated(Sprache sprache) {
  return catalogueTexts(sprache).messages.find("Satz25")->second;
}

}  // namespace

TdbTexts tdbTexts(Sprache sprache) {
  const bool english = sprache == Sprache::English;
  return {std::string(kMessageTitle),
          unknownTdbFormat(),
          backupCreated(sprache),
          english ? "Mapname was changed." : "Mapname wurde geändert.",
          "da ging was schief, versuche es bitte erneut",
          english ? "The tdb-file is damaged and was left unchanged : "
                  : "Das TDB-File ist beschädigt und wurde nicht verändert : "};
}

}  // namespace mapsetdesk
