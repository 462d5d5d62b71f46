#pragma once
// The language of everything the command line prints: --lang, else the
// Language setting when it names a language, else the user's locale.
#include <string>
#include <vector>

#include "app/messages/CatalogueTexts.h"

namespace mapsetdesk::cli {

// German for a tag that begins with "de" ("de", "de_AT.UTF-8", "de-CH"),
// English for any other.
Sprache spracheOfLocale(const std::string& tag);

// lang is the value of --lang ("de", "en" or empty), setting the Language
// setting as stored, tag the locale's language tag.
Sprache chooseSprache(const std::string& lang, const std::string& setting,
                      const std::string& tag);

// The values of --lang and --home wherever they stand in the arguments, so
// that the help is made in the chosen language before the line is parsed.
struct EarlyOptions {
  std::string lang;
  std::string home;
};
EarlyOptions earlyOptions(const std::vector<std::string>& args);

}  // namespace mapsetdesk::cli
