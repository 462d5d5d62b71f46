#include "app/messages/UnexpectedError.h"

namespace mapsetdesk {

std::string unexpectedErrorText(const std::string& what) {
  return "Die Aktion wurde wegen eines unerwarteten Fehlers abgebrochen. / The action stopped "
         "because of an unexpected error.\n" +
         what;
}

}  // namespace mapsetdesk
