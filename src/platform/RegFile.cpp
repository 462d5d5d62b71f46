#include "platform/RegFile.h"

#include <algorithm>

namespace mapsetdesk {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
// A hex line is broken after the byte that takes it past this width, as
// regedit does, so no line grows beyond 80 characters.
constexpr std::size_t kHexLineWidth = 76;

bool printable(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x20 && byte != 0x7F;
  });
}

std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '\\' || c == '"') out += '\\';
    out += c;
  }
  return out + '"';
}

// "name"="text" stands for the text followed by exactly one NUL.
bool writtenAsText(const RegValue& value) {
  const std::string_view data = value.data;
  return value.type == kRegSz && !data.empty() && data.find('\0') == data.size() - 1 &&
         printable(data.substr(0, data.size() - 1));
}

std::string hexNumber(std::uint32_t number, int minimumDigits) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[number & 0xF]);
    number >>= 4;
  } while (number != 0 || static_cast<int>(digits.size()) < minimumDigits);
  return digits;
}

void appendHex(std::string& out, std::string line, std::string_view data) {
  for (std::size_t i = 0; i < data.size(); ++i) {
    line += hexNumber(static_cast<unsigned char>(data[i]), 2);
    if (i + 1 == data.size()) break;
    line += ',';
    if (line.size() > kHexLineWidth) {
      out += line;
      out += '\\';
      out += kLineEnd;
      line = "  ";
    }
  }
  out += line;
  out += kLineEnd;
}

std::uint32_t littleEndian32(std::string_view data) {
  std::uint32_t number = 0;
  for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<unsigned char>(data[i]);
  return number;
}

void appendValue(std::string& out, const RegValue& value) {
  const std::string name = value.name.empty() ? "@" : quoted(value.name);
  const std::string_view data = value.data;
  if (writtenAsText(value)) {
    out += name + '=' + quoted(data.substr(0, data.size() - 1));
  } else if (value.type == kRegDword && data.size() == 4) {
    out += name + "=dword:" + hexNumber(littleEndian32(data), 8);
  } else {
    if (value.type == kRegSz && !data.empty() && printable(data)) {
      out += "; ";
      out += data;
      out += kLineEnd;
    }
    const std::string type =
        value.type == kRegBinary ? "hex:" : "hex(" + hexNumber(value.type, 1) + "):";
    appendHex(out, name + '=' + type, data);
    return;
  }
  out += kLineEnd;
}

void appendKey(std::string& out, const std::string& fullName, const RegistryTree::Key& key,
               bool section) {
  if (section) {
    out += '[' + fullName + ']';
    out += kLineEnd;
    for (const auto& value : key.values) appendValue(out, value);
    out += kLineEnd;
  }
  for (const auto& subkey : key.subkeys)
    appendKey(out, fullName + '\\' + subkey.name, subkey, true);
}

}  // namespace

std::optional<std::string> formatRegFile(const RegistryTree& tree, Root root,
                                         std::string_view path) {
  const auto stored = tree.storedPath(path);
  if (!stored) return std::nullopt;
  const RegistryTree::Key& key = *tree.find(*stored);
  std::string out = "REGEDIT4";
  out += kLineEnd;
  out += kLineEnd;
  const std::string fullName = stored->empty() ? rootName(root) : rootName(root) + ('\\' + *stored);
  appendKey(out, fullName, key, !stored->empty() || !key.values.empty());
  return out;
}

bool applyRegFile(const std::vector<RegOperation>& operations, Root root, RegistryTree& tree) {
  if (std::any_of(operations.begin(), operations.end(),
                  [root](const RegOperation& op) { return op.root != root; }))
    return false;
  for (const auto& op : operations) {
    switch (op.kind) {
      case RegOperation::Kind::CreateKey: tree.createKey(op.path); break;
      case RegOperation::Kind::DeleteKey: tree.deleteTree(op.path); break;
      case RegOperation::Kind::SetValue: tree.setValue(op.path, op.value); break;
      case RegOperation::Kind::DeleteValue: tree.deleteValue(op.path, op.value.name); break;
    }
  }
  return true;
}

}  // namespace mapsetdesk
