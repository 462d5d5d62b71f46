#pragma once
// A registry whose every change is first declared to a journal entry: the key
// is kept as it was before the call reaches the registry, and a key that
// cannot be kept is not changed. Reads pass straight through.
#include "history/JournalEntry.h"
#include "platform/Registry.h"

namespace mapsetdesk {

class RecordingRegistry : public Registry {
 public:
  RecordingRegistry(Registry& inner, JournalEntry& entry) : inner_(inner), entry_(entry) {}

  std::string storedText(Root root, std::string_view utf8) const override;
  std::string programText(Root root, std::string_view stored) const override;
  bool storeReadable(Root root) override { return inner_.storeReadable(root); }
  bool changeAtOnce(Root root, const std::function<bool()>& changes) override;
  bool canOpen(Root root, const std::string& path) override { return inner_.canOpen(root, path); }
  bool keyExists(Root root, const std::string& path) override {
    return inner_.keyExists(root, path);
  }
  std::optional<RegValue> queryValue(Root root, const std::string& path,
                                     const std::string& name) override {
    return inner_.queryValue(root, path, name);
  }
  bool createKey(Root root, const std::string& path) override;
  bool setValue(Root root, const std::string& path, const RegValue& value) override;
  bool deleteValue(Root root, const std::string& path, const std::string& name) override;
  bool deleteKey(Root root, const std::string& path) override;
  std::vector<std::string> subkeyNames(Root root, const std::string& path) override {
    return inner_.subkeyNames(root, path);
  }
  std::vector<RegValue> values(Root root, const std::string& path) override {
    return inner_.values(root, path);
  }

 private:
  // The highest key of the path that is missing, or the key itself.
  std::string keyToKeep(Root root, const std::string& path);
  bool keep(Root root, const std::string& path);

  Registry& inner_;
  JournalEntry& entry_;
};

}  // namespace mapsetdesk
