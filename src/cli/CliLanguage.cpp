#include "cli/CliLanguage.h"

#include "app/Language.h"

namespace mapsetdesk::cli {

Sprache spracheOfLocale(const std::string& tag) {
  const bool german = tag.size() >= 2 && (tag[0] == 'd' || tag[0] == 'D') &&
                      (tag[1] == 'e' || tag[1] == 'E') &&
                      (tag.size() == 2 || tag[2] == '_' || tag[2] == '-' || tag[2] == '.');
  return german ? Sprache::Deutsch : Sprache::English;
}

Sprache chooseSprache(const std::string& lang, const std::string& setting,
                      const std::string& tag) {
  if (lang == "de") return Sprache::Deutsch;
  if (lang == "en") return Sprache::English;
  // An empty setting reads as German in the windows; here it means unset.
  if (!setting.empty())
    if (const auto sprache = spracheFor(setting)) return *sprache;
  return spracheOfLocale(tag);
}

EarlyOptions earlyOptions(const std::vector<std::string>& args) {
  EarlyOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    for (auto [name, value] : {std::pair{"--lang", &options.lang},
                               std::pair{"--home", &options.home}}) {
      const std::string option = name;
      if (args[i] == option && i + 1 < args.size()) *value = args[i + 1];
      else if (args[i].rfind(option + "=", 0) == 0) *value = args[i].substr(option.size() + 1);
    }
  }
  return options;
}

}  // namespace mapsetdesk::cli
