#include "platform/posix/FileRegistry.h"

#include <filesystem>
#include <system_error>

#include "platform/Platform.h"
#include "platform/posix/HiveFile.h"
#include "platform/posix/HiveFormat.h"

namespace mapsetdesk {

struct FileRegistry::Hive {
  enum class State { Unknown, Missing, Loaded, Damaged };

  Hive(Root hiveRoot, std::string hiveFile) : root(hiveRoot), file(std::move(hiveFile)) {}

  Root root;
  std::string file;
  State state = State::Unknown;
  FileStamp stamp;
  FileHandle handle;  // the file the tree was read from, kept open
  RegistryTree tree;
  bool batch = false;  // inside changeAtOnce: changes stay in the tree

  void forget(State next) {
    state = next;
    tree = {};
    handle = {};
  }
};

FileRegistry::FileRegistry(const std::string& dataRoot, bool machineReadOnly,
                           DamageCallback onDamaged)
    : folder_(joinPath(dataRoot, "registry")),
      machineReadOnly_(machineReadOnly),
      onDamaged_(std::move(onDamaged)),
      machine_(std::make_unique<Hive>(Root::LocalMachine, hiveFile(Root::LocalMachine))),
      user_(std::make_unique<Hive>(Root::CurrentUser, hiveFile(Root::CurrentUser))) {}

FileRegistry::~FileRegistry() = default;

std::string FileRegistry::hiveFile(Root root) const {
  return joinPath(folder_, std::string(rootName(root)) + ".reg");
}

bool FileRegistry::fullAccess(Root root) const {
  return !(root == Root::LocalMachine && machineReadOnly_);
}

// The hive of root as its file holds it now; parsed again only when the file
// is another one than last time. Every writer renames its new file over the
// old one, which leaves the file held open without a name, so asking that
// open file suffices to see another writer's change or an edit in place; the
// path is looked up again (the authoritative check, used before every change)
// only then. A hive file that a person moves away is thus noticed by the
// next change.
FileRegistry::Hive& FileRegistry::current(Root root, bool authoritative) {
  Hive& hive = root == Root::LocalMachine ? *machine_ : *user_;
  if (!authoritative && hive.handle) {
    const auto stamp = linkedStamp(hive.handle);
    if (stamp && *stamp == hive.stamp) return hive;
  }
  const FileLook look = lookAtFile(hive.file);
  const bool known = hive.state == Hive::State::Loaded || hive.state == Hive::State::Damaged;
  if (look.state == FileState::Missing) {
    if (hive.state != Hive::State::Missing) hive.forget(Hive::State::Missing);
  } else if (!known || look.stamp != hive.stamp) {
    load(hive, look.stamp);
  }
  return hive;
}

void FileRegistry::load(Hive& hive, const FileStamp& seen) {
  FileRead read = readWholeFile(hive.file);
  if (read.state == FileState::Missing) return hive.forget(Hive::State::Missing);
  if (read.state == FileState::Present) {
    ++parseCount_;
    auto tree = hiveTree(read.bytes, hive.root);
    if (tree) {
      hive.state = Hive::State::Loaded;
      hive.tree = std::move(*tree);
      hive.stamp = read.stamp;
      hive.handle = std::move(read.handle);
      return;
    }
  }
  markDamaged(hive);
  hive.stamp = read.state == FileState::Present ? read.stamp : seen;
  hive.handle = std::move(read.handle);
}

void FileRegistry::markDamaged(Hive& hive) {
  const bool news = hive.state != Hive::State::Damaged;
  hive.forget(Hive::State::Damaged);
  if (news && onDamaged_) onDamaged_(hive.file);
}

const RegistryTree* FileRegistry::readable(Root root) {
  const Hive& hive = current(root);
  return hive.state == Hive::State::Damaged ? nullptr : &hive.tree;
}

// New hive files of the user are for the user's eyes only.
bool FileRegistry::write(Hive& hive) {
  removeLeftoverTemporaries(hive.file);
  const unsigned newFileMode = hive.root == Root::CurrentUser ? 0600 : 0644;
  auto written = replaceFileDurably(hive.file, hiveText(hive.tree, hive.root), newFileMode);
  if (!written) {
    // The tree holds a change the file does not: read the file again next time.
    hive.forget(Hive::State::Unknown);
    return false;
  }
  hive.state = Hive::State::Loaded;
  hive.stamp = written->stamp;
  hive.handle = std::move(written->handle);
  return true;
}

// body(hive) runs on the hive as its file holds it now, while no other
// writer can change that file.
template <typename Body>
bool FileRegistry::locked(Root root, Body body) {
  std::error_code ignored;
  std::filesystem::create_directories(folder_, ignored);
  Hive& hive = root == Root::LocalMachine ? *machine_ : *user_;
  const FileLock lock(hive.file + ".lock");
  if (!lock.held()) return false;
  current(root, true);
  if (hive.state == Hive::State::Damaged) return false;
  return body(hive);
}

template <typename Edit>
bool FileRegistry::change(Root root, Edit edit) {
  if (!fullAccess(root)) return false;
  Hive& hive = root == Root::LocalMachine ? *machine_ : *user_;
  if (hive.batch) return edit(hive.tree) != TreeEdit::Refused;
  return locked(root, [&](Hive& now) {
    const TreeEdit result = edit(now.tree);
    if (result != TreeEdit::Changed) return result == TreeEdit::Unchanged;
    return write(now);
  });
}

bool FileRegistry::changeAtOnce(Root root, const std::function<bool()>& changes) {
  // Without write rights every change is refused by itself and names its key.
  if (!fullAccess(root)) return changes();
  Hive& hive = root == Root::LocalMachine ? *machine_ : *user_;
  if (hive.batch) return false;
  return locked(root, [&](Hive& now) {
    const RegistryTree before = now.tree;
    now.batch = true;
    const bool done = changes();
    now.batch = false;
    if (done && now.tree == before) return true;
    if (done && write(now)) return true;
    if (now.state == Hive::State::Loaded) now.tree = before;
    return false;
  });
}

std::string FileRegistry::storedText(Root, std::string_view utf8) const {
  return std::string(utf8);
}

std::string FileRegistry::programText(Root, std::string_view stored) const {
  return std::string(stored);
}

bool FileRegistry::storeReadable(Root root) { return readable(root) != nullptr; }

bool FileRegistry::canOpen(Root root, const std::string& path) {
  const RegistryTree* tree = readable(root);
  return fullAccess(root) && tree && tree->find(path);
}

bool FileRegistry::keyExists(Root root, const std::string& path) {
  const RegistryTree* tree = readable(root);
  return tree && tree->find(path);
}

std::optional<RegValue> FileRegistry::queryValue(Root root, const std::string& path,
                                                 const std::string& name) {
  const RegistryTree* tree = readable(root);
  return tree ? tree->queryValue(path, name) : std::nullopt;
}

bool FileRegistry::createKey(Root root, const std::string& path) {
  return change(root, [&](RegistryTree& tree) { return tree.createKey(path); });
}

bool FileRegistry::setValue(Root root, const std::string& path, const RegValue& value) {
  const RegValue stored = asStoredByWindows(value);
  return change(root, [&](RegistryTree& tree) { return tree.setValue(path, stored); });
}

bool FileRegistry::deleteValue(Root root, const std::string& path, const std::string& name) {
  return change(root, [&](RegistryTree& tree) { return tree.deleteValue(path, name); });
}

bool FileRegistry::deleteKey(Root root, const std::string& path) {
  return change(root, [&](RegistryTree& tree) { return tree.deleteKey(path); });
}

std::vector<std::string> FileRegistry::subkeyNames(Root root, const std::string& path) {
  const RegistryTree* tree = readable(root);
  return fullAccess(root) && tree ? tree->subkeyNames(path) : std::vector<std::string>{};
}

std::vector<RegValue> FileRegistry::values(Root root, const std::string& path) {
  const RegistryTree* tree = readable(root);
  return tree ? tree->values(path) : std::vector<RegValue>{};
}

}  // namespace mapsetdesk
