#pragma once
// A fresh folder per test, removed with everything in it afterwards.
#include <filesystem>
#include <string>

#include "platform/FilePath.h"

namespace mapsetdesk::testing {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::string str() const { return pathText(path_); }  // UTF-8
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& file);
void writeFile(const std::filesystem::path& file, const std::string& bytes);

}  // namespace mapsetdesk::testing
