#pragma once
// The real Windows registry through advapi32. A 32-bit build on 64-bit
// Windows sees the 32-bit view, as the 32-bit Garmin programs do; a path below
// "SOFTWARE\Wow6432Node" is taken literally and so names the same keys.
// Through the W functions: key paths and value names are Windows-1252 as the
// interface has them, text data UTF-8, both kept by Windows as UTF-16, which
// is what an A write of the same text stores.
#include "platform/Registry.h"

namespace mapsetdesk {

class WinRegistry final : public Registry {
 public:
  std::string storedText(std::string_view utf8) const override;
  std::string programText(std::string_view stored) const override;
  bool canOpen(Root root, const std::string& path) override;
  bool keyExists(Root root, const std::string& path) override;
  std::optional<RegValue> queryValue(Root root, const std::string& path,
                                     const std::string& name) override;
  bool createKey(Root root, const std::string& path) override;
  bool setValue(Root root, const std::string& path, const RegValue& value) override;
  bool deleteValue(Root root, const std::string& path, const std::string& name) override;
  bool deleteKey(Root root, const std::string& path) override;
  std::vector<std::string> subkeyNames(Root root, const std::string& path) override;
  std::vector<RegValue> values(Root root, const std::string& path) override;
};

}  // namespace mapsetdesk
