#pragma once
// The device-image run as the windows show it: the wait window, the tool
// window, the running report of the main window, and for each family the
// registration window, whose modal show is the wait until the person has
// registered or packaged the family and closed it.
#include "install/DeviceImage.h"

namespace mapsetdesk::ui {

class ProgramWindows;

class DeviceImageWindows : public DeviceImageView {
 public:
  explicit DeviceImageWindows(ProgramWindows& program) : program_(program) {}

  void showReport(const std::string& text) override;
  ToolWindow& toolWindow() override;
  void showWorking(bool shown) override;
  std::optional<std::uint16_t> freeFid() override;
  void registerFamily(const FamilyFiles& family) override;
  void familyFailed() override;
  void selectTiles(const std::string& folder, const std::vector<std::string>& tiles) override;

 private:
  ProgramWindows& program_;
};

}  // namespace mapsetdesk::ui
