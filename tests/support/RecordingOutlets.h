#pragma once
// The sound and the shell's "open" for tests: each records what it was asked
// to play or open and answers as the test says.
#include <string>
#include <vector>

#include "platform/ShellOpen.h"
#include "platform/Sound.h"

namespace mapsetdesk::testing {

class RecordingSound : public Sound {
 public:
  bool playAsync(const std::string& waveFile) override {
    played.push_back(waveFile);
    return plays;
  }
  std::vector<std::string> played;
  bool plays = true;
};

class RecordingShell : public ShellOpen {
 public:
  bool open(const std::string& target) override {
    opened.push_back(target);
    return opens;
  }
  std::vector<std::string> opened;
  bool opens = true;
};

}  // namespace mapsetdesk::testing
