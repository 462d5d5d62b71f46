#include "platform/Sound.h"

namespace mapsetdesk {
namespace {

// No sound service is common to every POSIX desktop; the program stays
// silent there, which the start-up already allows for a missing file.
class SilentSound : public Sound {
 public:
  bool playAsync(const std::string&) override { return false; }
};

}  // namespace

std::unique_ptr<Sound> openSystemSound() { return std::make_unique<SilentSound>(); }

}  // namespace mapsetdesk
