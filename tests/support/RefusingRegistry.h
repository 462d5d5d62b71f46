#pragma once
// A registry that shows what another one holds and refuses every change, as a
// user without write rights meets it. Switched on and off during a test.
#include "platform/Registry.h"

namespace mapsetdesk::testing {

class RefusingRegistry : public Registry {
 public:
  explicit RefusingRegistry(Registry& inner) : inner_(inner) {}
  void refuseWrites(bool refuse = true) { refusing_ = refuse; }

  std::string storedText(Root root, std::string_view utf8) const override {
    return inner_.storedText(root, utf8);
  }
  std::string programText(Root root, std::string_view stored) const override {
    return inner_.programText(root, stored);
  }
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

 private:
  Registry& inner_;
  bool refusing_ = false;
};

}  // namespace mapsetdesk::testing
