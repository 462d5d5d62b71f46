#include <windows.h>
#include <mmsystem.h>

#include <filesystem>
#include <system_error>

#include "platform/FilePath.h"
#include "platform/Sound.h"

namespace mapsetdesk {
namespace {

class WinSound final : public Sound {
 public:
  // An asynchronous start is reported as a success before the file is read,
  // so a missing file is caught here; SND_NODEFAULT keeps an unreadable one
  // from playing the system's beep instead.
  bool playAsync(const std::string& waveFile) override {
    std::error_code error;
    if (!std::filesystem::is_regular_file(filePath(waveFile), error)) return false;
    return sndPlaySoundW(filePath(waveFile).c_str(), SND_ASYNC | SND_NODEFAULT) != FALSE;
  }
};

}  // namespace

std::unique_ptr<Sound> openSystemSound() { return std::make_unique<WinSound>(); }

}  // namespace mapsetdesk
