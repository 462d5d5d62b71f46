#include "support/ScriptedLauncher.h"

#include <algorithm>

namespace mapsetdesk::testing {

class ScriptedLauncher::Child : public CapturedChild {
 public:
  explicit Child(ScriptedLauncher& script) : script_(script), failingReads_(script.failingReads) {}

  std::size_t bytesWaiting() override {
    ++script_.looks;
    std::size_t waiting = 0;
    for (const Chunk& chunk : script_.output)
      if (arrived(chunk)) waiting += chunk.bytes.size();
    return waiting - taken_;
  }

  std::optional<std::string> read(std::size_t count) override {
    if (failingReads_ > 0) {
      --failingReads_;
      return std::nullopt;
    }
    std::string arrivedBytes;
    for (const Chunk& chunk : script_.output)
      if (arrived(chunk)) arrivedBytes += chunk.bytes;
    std::string taken = arrivedBytes.substr(taken_, count);
    taken_ += taken.size();
    return taken;
  }

  bool ended() override {
    endSeen_ = endSeen_ || script_.now >= script_.endsAt;
    return script_.now >= script_.endsAt;
  }

  void waitQuiet(std::chrono::milliseconds limit) override {
    script_.waits.push_back(limit);
    Ms next = script_.now + limit;
    for (const Chunk& chunk : script_.output)
      if (chunk.at > script_.now) next = std::min(next, chunk.at);
    if (script_.endsAt > script_.now) next = std::min(next, script_.endsAt);
    script_.now = next;
  }

 private:
  bool arrived(const Chunk& chunk) const {
    return chunk.at <= script_.now && (!chunk.afterTheEndWasSeen || endSeen_);
  }

  ScriptedLauncher& script_;
  int failingReads_;
  std::size_t taken_ = 0;
  bool endSeen_ = false;
};

CapturedStart ScriptedLauncher::startCaptured(const std::string& commandLine,
                                              const std::function<void()>& pipeReady) {
  if (failure == CaptureFailure::PipeNotCreated) return {failure, nullptr};
  pipeReady();
  started.push_back(commandLine);
  if (failure == CaptureFailure::NotStarted) return {failure, nullptr};
  return {CaptureFailure::None, std::make_unique<Child>(*this)};
}

bool ScriptedLauncher::runAndWait(const std::string& commandLine, WindowStyle) {
  started.push_back(commandLine);
  now = std::max(now, endsAt);
  return failure == CaptureFailure::None;
}

bool ScriptedLauncher::startDetached(const std::string& commandLine, WindowStyle) {
  started.push_back(commandLine);
  return failure == CaptureFailure::None;
}

}  // namespace mapsetdesk::testing
