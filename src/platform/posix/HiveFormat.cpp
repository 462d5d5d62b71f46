#include "platform/posix/HiveFormat.h"

#include "platform/Codec.h"
#include "platform/RegFile.h"

namespace mapsetdesk {
namespace {

constexpr std::string_view kFirstLine = "REGEDIT4\r\n";
constexpr std::string_view kUtf8Line = "; mapsetdesk registry hive: text data in UTF-8\r\n";
constexpr std::string_view kEndLine = "; end of hive\r\n";

// Text data of a hive written before text data were UTF-8.
void textDataToUtf8(RegistryTree& tree, const std::string& path, const RegistryTree::Key& key) {
  for (RegValue value : key.values) {
    if (!isTextType(value.type)) continue;
    value.data = fromAnsi(value.data);
    tree.setValue(path, value);
  }
  for (const RegistryTree::Key& subkey : key.subkeys)
    textDataToUtf8(tree, path.empty() ? subkey.name : path + '\\' + subkey.name, subkey);
}

}  // namespace

std::string hiveText(const RegistryTree& tree, Root root) {
  std::string text = *formatRegFile(tree, root);
  text.insert(kFirstLine.size(), kUtf8Line);
  return text + std::string(kEndLine);
}

std::optional<RegistryTree> hiveTree(std::string_view bytes, Root root) {
  const bool marked = bytes.starts_with(kFirstLine) &&
                      bytes.substr(kFirstLine.size()).starts_with(kUtf8Line);
  if (marked && !bytes.ends_with(kEndLine)) return std::nullopt;
  const RegFileContent content = parseRegFile(bytes);
  RegistryTree tree;
  if (content.errorLine != 0 || !applyRegFile(content.operations, root, tree)) return std::nullopt;
  if (!marked) {
    const RegistryTree legacy = tree;
    textDataToUtf8(tree, {}, legacy.root());
  }
  return tree;
}

}  // namespace mapsetdesk
