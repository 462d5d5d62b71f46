#pragma once
// The registry of systems without one: one hive per root in
// <dataRoot>/registry/HKEY_LOCAL_MACHINE.reg and HKEY_CURRENT_USER.reg, .reg
// text a person can read (HiveFormat.h). Text data are kept as UTF-8, so
// every character the Windows registry keeps is kept here too. Every change re-reads the hive under an exclusive
// lock and replaces the file in one step, so two processes never lose each
// other's writes and a crash leaves the previous hive whole. A hive is parsed
// again only when its file changed. A hive file that cannot be read is never
// overwritten: its root reads as empty and refuses changes until the file is
// repaired, and the callback names the file.
#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "platform/Registry.h"
#include "platform/RegistryTree.h"

namespace mapsetdesk {

struct FileStamp;

class FileRegistry final : public Registry {
 public:
  using DamageCallback = std::function<void(const std::string& damagedFile)>;

  // machineReadOnly: behave as for a user without write rights on
  // HKEY_LOCAL_MACHINE, who can open none of its keys with full access.
  FileRegistry(const std::string& dataRoot, bool machineReadOnly, DamageCallback onDamaged);
  ~FileRegistry() override;

  std::string storedText(Root root, std::string_view utf8) const override;
  std::string programText(Root root, std::string_view stored) const override;
  bool storeReadable(Root root) override;
  // The changes are made in memory under the hive's lock and written in one
  // step at the end, or not at all.
  bool changeAtOnce(Root root, const std::function<bool()>& changes) override;
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

  std::string hiveFile(Root root) const;
  // How many times a hive file has been parsed.
  std::size_t parseCount() const { return parseCount_; }

 private:
  struct Hive;
  Hive& current(Root root, bool authoritative = false);
  const RegistryTree* readable(Root root);
  bool fullAccess(Root root) const;
  template <typename Body>
  bool locked(Root root, Body body);
  template <typename Edit>
  bool change(Root root, Edit edit);
  void load(Hive& hive, const FileStamp& seen);
  void markDamaged(Hive& hive);
  bool write(Hive& hive);

  std::string folder_;
  bool machineReadOnly_;
  DamageCallback onDamaged_;
  std::unique_ptr<Hive> machine_;
  std::unique_ptr<Hive> user_;
  std::size_t parseCount_ = 0;
};

}  // namespace mapsetdesk
