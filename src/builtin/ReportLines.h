#pragma once
// The lines the built-in tools report, one per file read or written and one
// per problem, in the manner of an outside program's output.
#include <string>

namespace mapsetdesk::builtin {

inline std::string readLine(const std::string& path) { return "read " + path; }
inline std::string writtenLine(const std::string& path) { return "written " + path; }
inline std::string cannotReadLine(const std::string& path, const std::string& reason) {
  return "cannot read " + path + ": " + reason;
}
inline std::string cannotWriteLine(const std::string& path) { return "cannot write " + path; }

// Reasons beside those of the IMG reader.
inline constexpr const char* kNoTile = "it holds no map tile";
inline constexpr const char* kNoFamily = "its product list names no family";
inline constexpr const char* kNoFolder = "the output folder cannot be made";
inline constexpr const char* kNothingWritten = "no file written";
inline constexpr const char* kNoFileName = "the name is no plain file name";
inline constexpr const char* kNameTaken = "another file of this run has that name";
inline constexpr const char* kInputFile = "it is the file being read";
inline constexpr const char* kDamagedProductList = "its product list is damaged";
inline constexpr const char* kTdbTooLarge = "the tiles do not fit a TDB";

inline std::string tileWithoutFamilyLine(const std::string& path, const std::string& tile) {
  return cannotReadLine(path, "its tile " + tile + " belongs to no family");
}

}  // namespace mapsetdesk::builtin
