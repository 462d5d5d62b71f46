#pragma once
// The real Windows registry through the advapi32 A functions. Paths are used
// as given: a 32-bit build on 64-bit Windows sees the 32-bit view, as the
// 32-bit Garmin programs do.
#include "platform/Registry.h"

namespace mapsetdesk {

class WinRegistry final : public Registry {
 public:
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
