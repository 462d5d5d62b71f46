#include "formats/TdbMessages.h"

namespace mapsetdesk {

void showTdbDamaged(Dialogs& dialogs, const TdbTexts& texts, const std::string& path,
                    TdbDamage damage) {
  dialogs.message({texts.damaged + path + ": " + describe(damage), texts.title, Buttons::Ok,
                   Icon::Exclamation});
}

}  // namespace mapsetdesk
