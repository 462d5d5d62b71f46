#include "app/messages/IdTexts.h"

#include "app/messages/MessageKeys.h"

namespace mapsetdesk {
namespace {

std::string english(const std::string& id, IdFault fault) {
  switch (fault) {
    case IdFault::Zero:
      return id + " 0 can not be used: MapSource and BaseCamp take 0 for no " +
             (id == "FID" ? "family" : "product") + ". Type in a " + id +
             " from 1 to 65535.";
    case IdFault::TooBig:
      return "The " + id + " is too big: it is stored in two bytes, so it can be 65535 at most.";
    default:
      return "The PID must be a whole number from 1 to 65535, written with digits only.";
  }
}

std::string german(const std::string& id, IdFault fault) {
  switch (fault) {
    case IdFault::Zero:
      return "Die " + id + " 0 ist nicht möglich: MapSource und BaseCamp lesen 0 als " +
             (id == "FID" ? "keine Familie" : "kein Produkt") + ". Geben Sie eine " + id +
             " von 1 bis 65535 ein.";
    case IdFault::TooBig:
      return "Die " + id +
             " ist zu groß: sie wird in zwei Bytes gespeichert und kann höchstens 65535 sein.";
    default:
      return "Die PID muss eine ganze Zahl von 1 bis 65535 sein, nur aus Ziffern.";
  }
}

}  // namespace

std::string idFaultText(Sprache sprache, IdKind kind, IdFault fault) {
  if (kind == IdKind::Fid && fault == IdFault::NotANumber)
    return catalogueTexts(sprache).messages.find(key::Fehler19)->second;
  const std::string id = kind == IdKind::Fid ? "FID" : "PID";
  return sprache == Sprache::English ? english(id, fault) : german(id, fault);
}

}  // namespace mapsetdesk
