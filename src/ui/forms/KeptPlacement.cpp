#include "ui/forms/KeptPlacement.h"

#include "app/Settings.h"

namespace mapsetdesk::ui {

void readPlacement(Form& form, Registry& registry, std::string_view value) {
  form.placement = placementFrom(Settings(registry).windowPlacement(value));
}

void storePlacement(const Form& form, Registry& registry, std::string_view value) {
  if (form.placement)
    Settings(registry).storeWindowPlacement(value, placementText(*form.placement));
}

}  // namespace mapsetdesk::ui
