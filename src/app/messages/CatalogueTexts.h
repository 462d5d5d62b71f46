#pragma once
// The main window's texts in one language: the messages by catalogue key, the
// captions and the tool tips by control name. Texts are UTF-8 and are used as
// they stand, leading and trailing blanks included, because many of them are
// fragments that the flows join with a file name or a number.
#include <functional>
#include <map>
#include <string>

namespace mapsetdesk {

enum class Sprache { Deutsch, English };

using TextTable = std::map<std::string, std::string, std::less<>>;

struct CatalogueTexts {
  TextTable messages;  // catalogue key -> text
  TextTable captions;  // control name -> caption
  TextTable toolTips;  // control name -> tool tip, beside those taken from messages
};

const CatalogueTexts& englishTexts();
const CatalogueTexts& germanTexts();
const CatalogueTexts& catalogueTexts(Sprache sprache);

// Tool tips whose text is a catalogue message: control name -> catalogue key.
const TextTable& messageToolTips();

}  // namespace mapsetdesk
