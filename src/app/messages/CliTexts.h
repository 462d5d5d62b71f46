#pragma once
// The texts of the command-line front end in one language: what each command
// does, its forms and an example for the help, what its options mean, and
// the front end's own messages. The windows' messages, which the commands
// pass on, stay in the main catalogue and the windows' own texts.
#include <map>
#include <string>

#include "app/messages/CatalogueTexts.h"

namespace mapsetdesk {

struct CommandHelp {
  std::string summary;  // one line in the list of commands
  std::string details;  // every form and what it does; may be empty
  std::string example;
};

struct CliTexts {
  std::string programSummary;
  std::string exampleLabel;
  std::string helpFlag;
  std::string helpCommand;
  std::string versionFlag;
  std::string homeOption;
  std::string programFolderOption;
  std::string langOption;
  // Words of the help layout (Usage, Options, Positionals, Subcommands,
  // OPTIONS, SUBCOMMAND, REQUIRED, Excludes, Needs), by the word they replace.
  TextTable labels;
  std::map<std::string, CommandHelp, std::less<>> commands;
  // What an option or argument means, by "command option" where the
  // command gives it a meaning of its own, else by the option alone.
  TextTable options;

  // Usage errors, each followed by what it is about.
  std::string unknownCommand;
  std::string unexpectedArgument;
  std::string missingArgument;
  std::string missingValue;
  std::string notANumber;
  std::string notOneOf;
  std::string excludeEachOther;
  std::string wrongArguments;
  std::string seeHelp;  // followed by the command, then seeHelpEnd
  std::string seeHelpEnd;

  // Messages.
  std::string userRegistryUnreadable;
  std::string wow64Stored64;
  std::string wow64Stored32;
  std::string settingNotStored;
  std::string noMatch;          // followed by the choice in quotes
  std::string severalMatches;   // followed by the choice in quotes, then severalMatchesEnd
  std::string severalMatchesEnd;
  std::string cannotBeRead;     // followed by the key or folder
  std::string everyFidUsed;     // followed by the first and the last FID
  std::string removalNeedsYes;
  std::string undoNeedsYes;
  std::string fidTaken;         // followed by the FID, then fidTakenEnd
  std::string fidTakenEnd;
  std::string fileUnreadable;   // followed by the file
  std::string regFileError;     // followed by the line number, then ": " and the fault
  std::string regRefused;       // followed by the key
  std::string noSuchKey;        // followed by the key
  std::string windowRefusesRegistration;
  std::string windowRefusesPackage;
  std::string noTypFile;        // followed by the file, then noTypFileEnd
  std::string noTypFileEnd;
  std::string unknownKind;
  std::string damaged;          // followed by what is damaged
  std::string noWholeTile;      // a tile file without a readable TRE header
  std::string notADeviceImage;  // install options of tiles given with a device image
  std::string imageExists;      // followed by the file device-image would replace
};

const CliTexts& cliTexts(Sprache sprache);

}  // namespace mapsetdesk
