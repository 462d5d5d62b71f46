#pragma once
// A registry held in memory only, with the rules of the real one: for tests of
// the layers above and for measurements. Nothing is kept after it is gone.
#include "platform/Registry.h"
#include "platform/RegistryTree.h"

namespace mapsetdesk {

class MemoryRegistry final : public Registry {
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

  RegistryTree& tree(Root root) { return root == Root::LocalMachine ? machine_ : user_; }

 private:
  RegistryTree machine_;
  RegistryTree user_;
};

}  // namespace mapsetdesk
