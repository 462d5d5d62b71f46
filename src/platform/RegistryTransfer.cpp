#include "platform/RegistryTransfer.h"

#include <algorithm>
#include <functional>

#include "platform/Codec.h"
#include "platform/RegistryTree.h"

namespace mapsetdesk {
namespace {

std::string childPath(const std::string& path, const std::string& name) {
  return path.empty() ? name : path + '\\' + name;
}

// The path with each name as the registry spells it, where it can be listed.
std::string storedSpelling(Registry& registry, Root root, const std::string& path) {
  std::string stored;
  for (const auto name : splitKeyPath(path).value_or(std::vector<std::string_view>{})) {
    const auto siblings = registry.subkeyNames(root, stored);
    const auto match = std::find_if(siblings.begin(), siblings.end(),
                                    [name](const std::string& s) { return sameRegName(s, name); });
    stored = childPath(stored, match != siblings.end() ? *match : std::string(name));
  }
  return stored;
}

// A .reg file holds text data as Windows-1252, whatever form the registry
// keeps them in.
RegValue asInRegFile(const Registry& registry, Root root, RegValue value) {
  if (isTextType(value.type)) value.data = toAnsi(registry.programText(root, value.data));
  return value;
}

RegValue asInRegistry(const Registry& registry, Root root, RegValue value) {
  if (isTextType(value.type)) value.data = registry.storedText(root, fromAnsi(value.data));
  return value;
}

void copyKey(Registry& registry, Root root, const std::string& path, RegistryTree& tree) {
  tree.createKey(path);
  for (const auto& value : registry.values(root, path))
    tree.setValue(path, asInRegFile(registry, root, value));
  for (const auto& name : registry.subkeyNames(root, path))
    copyKey(registry, root, childPath(path, name), tree);
}

bool apply(Registry& registry, const RegOperation& op) {
  switch (op.kind) {
    case RegOperation::Kind::CreateKey: return registry.createKey(op.root, op.path);
    case RegOperation::Kind::DeleteKey: return deleteKeyTree(registry, op.root, op.path);
    case RegOperation::Kind::SetValue:
      return registry.setValue(op.root, op.path, asInRegistry(registry, op.root, op.value));
    case RegOperation::Kind::DeleteValue:
      return !registry.queryValue(op.root, op.path, op.value.name) ||
             registry.deleteValue(op.root, op.path, op.value.name);
  }
  return false;
}

}  // namespace

std::optional<std::string> exportRegistryKey(Registry& registry, Root root,
                                             const std::string& path) {
  if (!registry.canOpen(root, path)) return std::nullopt;
  const std::string stored = storedSpelling(registry, root, path);
  RegistryTree tree;
  copyKey(registry, root, stored, tree);
  return formatRegFile(tree, root, stored);
}

std::optional<std::string> importRegOperations(Registry& registry,
                                               const std::vector<RegOperation>& operations) {
  std::optional<std::string> refused;
  std::function<bool()> applyAll = [&] {
    for (const auto& op : operations) {
      if (apply(registry, op)) continue;
      refused = std::string(rootName(op.root)) + (op.path.empty() ? "" : "\\" + fromAnsi(op.path));
      return false;
    }
    return true;
  };
  // Each root's store takes the whole file or nothing; the user's inside the
  // machine's, so a refusal in either leaves both as they were.
  for (const Root root : {Root::CurrentUser, Root::LocalMachine}) {
    const bool named = std::any_of(operations.begin(), operations.end(),
                                   [root](const RegOperation& op) { return op.root == root; });
    if (!named) continue;
    applyAll = [&registry, &refused, root, inner = std::move(applyAll)] {
      if (registry.changeAtOnce(root, inner)) return true;
      if (!refused) refused = rootName(root);
      return false;
    };
  }
  applyAll();
  return refused;
}

bool deleteKeyTree(Registry& registry, Root root, const std::string& path) {
  if (!registry.canOpen(root, path)) return !registry.keyExists(root, path);
  for (const auto& name : registry.subkeyNames(root, path))
    deleteKeyTree(registry, root, childPath(path, name));
  return registry.deleteKey(root, path);
}

}  // namespace mapsetdesk
