#include <windows.h>
#include <shellapi.h>

#include "platform/ShellOpen.h"
#include "platform/win/WideText.h"

namespace mapsetdesk {
namespace {

// ShellExecuteW reports success with a value above 32.
constexpr INT_PTR kShellExecuteErrorLimit = 32;

class WinShellOpen final : public ShellOpen {
 public:
  bool open(const std::string& target) override {
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", wideText(target).c_str(), nullptr,
                                           nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > kShellExecuteErrorLimit;
  }
};

}  // namespace

std::unique_ptr<ShellOpen> openSystemShell() { return std::make_unique<WinShellOpen>(); }

}  // namespace mapsetdesk
