#include "platform/SystemFacts.h"

namespace mapsetdesk {
namespace {

// GetVersionExA's dwPlatformId values.
enum : int { kWin32s = 0, kWin32Windows = 1, kWin32Nt = 2 };

std::string win9xName(int minor) {
  switch (minor) {
    case 0: return "Windows 95";
    case 10: return "Windows 98";
    case 90: return "Windows Me";
    default: return {};
  }
}

std::string ntName(int major, int minor) {
  if (major == 3) return "Windows NT 3." + std::to_string(minor);
  if (major == 4) return "Windows NT 4.0";
  if (major == 5 && minor == 0) return "Windows 2000";
  if (major == 5 && minor == 1) return "Windows XP";
  if (major == 6 && minor == 0) return "Windows Vista";
  if (major == 6 && minor == 1) return "Windows 7";
  // Server 2003, Windows 8 and 8.1 are deliberately unnamed: the start-up
  // asks about administrator rights only on the versions it names.
  if (major >= 7) return "Windows NT / Folgeversion";
  return {};
}

}  // namespace

std::string windowsVersionName(int platform, int major, int minor) {
  switch (platform) {
    case kWin32s: return "Win32s für Windows 3.x";
    case kWin32Windows: return win9xName(minor);
    case kWin32Nt: return ntName(major, minor);
    default: return {};
  }
}

}  // namespace mapsetdesk
