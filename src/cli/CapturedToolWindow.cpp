#include "cli/CapturedToolWindow.h"

#include "app/GmtBanner.h"

namespace mapsetdesk::cli {

void CapturedToolWindow::start(const std::string& commandLine) {
  CaptureWatcher quiet;
  text_ = withoutGmtBanner(runner_.capture(commandLine, quiet).output);
}

}  // namespace mapsetdesk::cli
