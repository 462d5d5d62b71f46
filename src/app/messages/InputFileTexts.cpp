#include "app/messages/InputFileTexts.h"

namespace mapsetdesk {
namespace {

std::string englishFault(InputFault fault) {
  switch (fault) {
    case InputFault::Missing: return "does not exist. Nothing was changed : ";
    case InputFault::NotAFile: return "is a folder, not a file. Nothing was changed : ";
    case InputFault::Empty: return "is empty. Nothing was changed : ";
    case InputFault::NotImg:
      return "is no img-file or is damaged (cut short?). Nothing was changed : ";
  }
  return {};
}

std::string germanFault(InputFault fault) {
  switch (fault) {
    case InputFault::Missing: return "existiert nicht. Es wurde nichts geändert : ";
    case InputFault::NotAFile: return "ist ein Ordner, keine Datei. Es wurde nichts geändert : ";
    case InputFault::Empty: return "ist leer. Es wurde nichts geändert : ";
    case InputFault::NotImg:
      return "ist kein img-File oder ist beschädigt (unvollständig?). Es wurde nichts "
             "geändert : ";
  }
  return {};
}

}  // namespace

std::string deviceImageFaultText(Sprache sprache, InputFault fault) {
  return sprache == Sprache::English ? "The gmapsupp.img " + englishFault(fault)
                                     : "Die gmapsupp.img " + germanFault(fault);
}

std::string tileFaultText(Sprache sprache, InputFault fault) {
  return sprache == Sprache::English ? "The map tile " + englishFault(fault)
                                     : "Die Kachel " + germanFault(fault);
}

}  // namespace mapsetdesk
