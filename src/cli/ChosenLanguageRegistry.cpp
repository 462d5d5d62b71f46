#include "cli/ChosenLanguageRegistry.h"

#include "app/Settings.h"
#include "platform/RegistryTree.h"

namespace mapsetdesk::cli {
namespace {

class ChosenLanguageRegistry : public Registry {
 public:
  ChosenLanguageRegistry(std::unique_ptr<Registry> inner, Sprache sprache)
      : inner_(std::move(inner)),
        code_(sprache == Sprache::English ? kLanguageEnglish : kLanguageGerman) {}

  std::string storedText(Root root, std::string_view utf8) const override {
    return inner_->storedText(root, utf8);
  }
  std::string programText(Root root, std::string_view stored) const override {
    return inner_->programText(root, stored);
  }
  bool storeReadable(Root root) override { return inner_->storeReadable(root); }
  bool changeAtOnce(Root root, const std::function<bool()>& changes) override {
    return inner_->changeAtOnce(root, changes);
  }
  bool canOpen(Root root, const std::string& path) override {
    return inner_->canOpen(root, path);
  }
  bool keyExists(Root root, const std::string& path) override {
    return inner_->keyExists(root, path);
  }
  std::optional<RegValue> queryValue(Root root, const std::string& path,
                                     const std::string& name) override {
    if (root == Root::CurrentUser && sameRegName(path, kSettingsKey) &&
        sameRegName(name, kLanguageValue))
      return RegValue{name, kRegSz, std::string(code_)};
    return inner_->queryValue(root, path, name);
  }
  bool createKey(Root root, const std::string& path) override {
    return inner_->createKey(root, path);
  }
  bool setValue(Root root, const std::string& path, const RegValue& value) override {
    return inner_->setValue(root, path, value);
  }
  bool deleteValue(Root root, const std::string& path, const std::string& name) override {
    return inner_->deleteValue(root, path, name);
  }
  bool deleteKey(Root root, const std::string& path) override {
    return inner_->deleteKey(root, path);
  }
  std::vector<std::string> subkeyNames(Root root, const std::string& path) override {
    return inner_->subkeyNames(root, path);
  }
  std::vector<RegValue> values(Root root, const std::string& path) override {
    return inner_->values(root, path);
  }

 private:
  std::unique_ptr<Registry> inner_;
  std::string_view code_;
};

}  // namespace

std::unique_ptr<Registry> openRegistry(const Context& context) {
  return std::make_unique<ChosenLanguageRegistry>(openSystemRegistry(context.platform),
                                                  context.sprache);
}

}  // namespace mapsetdesk::cli
