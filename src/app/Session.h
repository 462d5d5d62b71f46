#pragma once
// The state the main window shares with every part of the program for one
// run: fixed at start-up (registry base, user, Version setting, BaseCamp
// cache size), the registration under way, the mode of the next double-click
// on a catalogue list, and the texts of the current language.
#include <string>

#include "app/messages/MessageCatalogue.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk {

struct Session {
  std::string userName;  // the login name read at start-up

  // The registry base below HKEY_LOCAL_MACHINE: "SOFTWARE" or
  // "SOFTWARE\Wow6432Node", fixed at start-up for the whole run.
  std::string vReg6432;
  bool wwoww = false;  // the Wow64 setting is "wahr"

  std::string vRegistryKey;  // the key below HKEY_LOCAL_MACHINE now being read or written
  RegWriteCheck vRegkey;     // outcome and read-back value of the checked writes

  std::string cgps;  // the Version setting, blanks removed

  long long vMB = 0;      // the BaseCamp tile cache in MB
  std::string vstringMB;  // the same followed by " MB"; empty without a cache

  // What the next double-click on a catalogue list does.
  std::string vTypeaendern;
  std::string vGMPTypeaendern;
  std::string vMapsetName;
  std::string vDraw;
  bool vFIDchange = false;
  std::string vGMPListen;   // "Listen": a gmap row lists its tiles
  std::string vGMPoderIMG;  // "GMP" when the picked mapset is a gmap package

  // The gmt.exe command line of the device-image run now under way; the
  // tool window picks its progress text from it.
  std::string Command;

  MessageCatalogue texts;  // the message variables of the current language
};

}  // namespace mapsetdesk
