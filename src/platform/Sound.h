#pragma once
// Plays the program's wave files ("Intro.wav", "Success.wav") without
// waiting for them to end.
#include <memory>
#include <string>

namespace mapsetdesk {

class Sound {
 public:
  virtual ~Sound() = default;
  // Starts the sound and returns at once. False when nothing plays: the file
  // is missing, the system has no sound, or this system plays none.
  virtual bool playAsync(const std::string& waveFile) = 0;
};

// Windows: the system's sound. Elsewhere the program plays no sound and says so.
std::unique_ptr<Sound> openSystemSound();

}  // namespace mapsetdesk
