#include <cstdint>
#include <optional>

#include "platform/Codec.h"
#include "platform/RegFile.h"

namespace mapsetdesk {
namespace {

constexpr std::string_view kVersion4 = "REGEDIT4";
constexpr std::string_view kVersion5 = "Windows Registry Editor Version 5.00";
constexpr std::string_view kBlanks = " \t";

std::string_view trimLeft(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

std::string_view trimRight(std::string_view text) {
  const auto last = text.find_last_not_of(kBlanks);
  return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

bool startsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         equalsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

// The file as UTF-8 text, whatever its encoding.
std::string decodeFile(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) return fromUtf16le(bytes.substr(2));
  if (bytes.starts_with("\xEF\xBB\xBF")) return std::string(bytes.substr(3));
  return fromAnsi(bytes);
}

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start <= text.size();) {
    auto end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

std::optional<std::uint32_t> hexNumber(std::string_view digits, std::size_t maximumDigits) {
  if (digits.empty() || digits.size() > maximumDigits) return std::nullopt;
  std::uint32_t number = 0;
  for (const char c : digits) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    if (digit < 0) return std::nullopt;
    number = (number << 4) | static_cast<std::uint32_t>(digit);
  }
  return number;
}

// Reads the comma-separated bytes of one line into data; a comma may end it.
bool appendHexBytes(std::string_view piece, std::string& data) {
  for (std::size_t pos = 0; pos < piece.size();) {
    auto comma = piece.find(',', pos);
    if (comma == std::string_view::npos) comma = piece.size();
    const auto byte = hexNumber(trimRight(trimLeft(piece.substr(pos, comma - pos))), 2);
    if (!byte) return false;
    data += static_cast<char>(*byte);
    pos = comma + 1;
  }
  return true;
}

// Only the long names, as regedit has them.
std::optional<Root> rootNamed(std::string_view text) {
  for (const Root root : {Root::LocalMachine, Root::CurrentUser})
    if (equalsIgnoringAsciiCase(text, rootName(root))) return root;
  return std::nullopt;
}

// The key names joined by single backslashes; nullopt for a path the registry
// refuses or one holding a NUL.
std::optional<std::string> normalPath(const std::string& path) {
  const auto names = splitKeyPath(path);
  if (!names || path.find('\0') != std::string::npos) return std::nullopt;
  std::string joined;
  for (const auto name : *names) joined += (joined.empty() ? "" : "\\") + std::string(name);
  return joined;
}

class Parser {
 public:
  explicit Parser(std::string_view bytes) : text_(decodeFile(bytes)), lines_(splitLines(text_)) {}

  RegFileContent run() {
    if (!readHeader()) return std::move(content_);
    for (++index_; index_ < lines_.size(); ++index_) {
      if (!readLine()) {
        content_.operations.clear();
        break;
      }
    }
    return std::move(content_);
  }

 private:
  struct Section {
    Root root;
    std::string path;
    bool deleted;
  };

  std::size_t lineNumber() const { return index_ + 1; }

  bool fail(std::string message) {
    content_.errorLine = lineNumber();
    content_.error = std::move(message);
    return false;
  }

  bool readHeader() {
    while (index_ < lines_.size() && trimLeft(lines_[index_]).empty()) ++index_;
    if (index_ == lines_.size()) {
      index_ = 0;
      return fail("empty file, \"REGEDIT4\" expected");
    }
    const std::string_view header = trimRight(trimLeft(lines_[index_]));
    if (header == kVersion4) return true;
    unicode_ = header == kVersion5;
    return unicode_ || fail("not a registry file, \"REGEDIT4\" expected");
  }

  bool readLine() {
    const std::string_view line = trimLeft(lines_[index_]);
    if (line.empty() || line.front() == ';') return true;
    if (line.front() == '[') return readKey(trimRight(line));
    if (line.front() == '"' || line.front() == '@') return readValue(line);
    return fail("a key in brackets or a value expected");
  }

  bool readKey(std::string_view line) {
    if (!line.ends_with(']')) return fail("the key has no closing bracket");
    std::string_view name = line.substr(1, line.size() - 2);
    const bool deletion = name.starts_with('-');
    if (deletion) name.remove_prefix(1);
    const auto separator = name.find('\\');
    const auto root = rootNamed(name.substr(0, separator));
    if (!root) return fail("only keys of HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER are allowed");
    const auto joined = normalPath(
        toAnsi(separator == std::string_view::npos ? std::string_view{} : name.substr(separator + 1)));
    if (!joined) return fail("invalid key name");
    if (deletion && joined->empty()) return fail("a root key cannot be deleted");
    section_ = Section{*root, *joined, deletion};
    const auto kind = deletion ? RegOperation::Kind::DeleteKey : RegOperation::Kind::CreateKey;
    content_.operations.push_back(RegOperation{kind, *root, *joined, {}});
    return true;
  }

  // A quoted text with the escapes \\ and \" at the front of rest; rest then
  // holds what follows the closing quote.
  std::optional<std::string> readQuoted(std::string_view& rest) {
    std::string text;
    for (std::size_t i = 1; i < rest.size(); ++i) {
      if (rest[i] == '"') {
        rest.remove_prefix(i + 1);
        return text;
      }
      if (rest[i] == '\\') {
        if (++i == rest.size() || (rest[i] != '\\' && rest[i] != '"')) {
          fail("only \\\\ and \\\" may follow a backslash in quotes");
          return std::nullopt;
        }
      }
      text += rest[i];
    }
    fail("the text has no closing quote");
    return std::nullopt;
  }

  bool readValue(std::string_view rest) {
    std::string name;
    if (rest.front() == '@') {
      rest.remove_prefix(1);
    } else {
      const auto quoted = readQuoted(rest);
      if (!quoted) return false;
      name = toAnsi(*quoted);
    }
    rest = trimLeft(rest);
    if (!rest.starts_with('=')) return fail("\"=\" expected after the value name");
    rest = trimLeft(rest.substr(1));
    if (!section_) return fail("a value before the first key");
    if (section_->deleted) return fail("a value below a key that is deleted");
    RegOperation op{RegOperation::Kind::SetValue, section_->root, section_->path,
                    RegValue{name, kRegNone, {}}};
    if (trimRight(rest) == "-") {
      op.kind = RegOperation::Kind::DeleteValue;
    } else if (!readData(rest, op.value)) {
      return false;
    }
    content_.operations.push_back(std::move(op));
    return true;
  }

  bool readData(std::string_view rest, RegValue& value) {
    if (rest.starts_with('"')) {
      const auto text = readQuoted(rest);
      if (!text) return false;
      if (!trimLeft(rest).empty()) return fail("unexpected text after the closing quote");
      value.type = kRegSz;
      value.data = toAnsi(*text) + '\0';
      return true;
    }
    if (startsWithIgnoringAsciiCase(rest, "dword:")) {
      const auto number = hexNumber(trimRight(rest.substr(6)), 8);
      if (!number) return fail("dword: needs one to eight hex digits");
      value.type = kRegDword;
      for (int i = 0; i < 4; ++i) value.data += static_cast<char>((*number >> (8 * i)) & 0xFF);
      return true;
    }
    if (startsWithIgnoringAsciiCase(rest, "hex")) return readHex(rest.substr(3), value);
    return fail("unknown kind of value data");
  }

  // After "hex": ":" for REG_BINARY or "(type):", then the bytes.
  bool readHex(std::string_view rest, RegValue& value) {
    value.type = kRegBinary;
    if (rest.starts_with('(')) {
      const auto close = rest.find(')');
      const auto type =
          close == std::string_view::npos ? std::nullopt : hexNumber(rest.substr(1, close - 1), 8);
      if (!type) return fail("hex( needs a type in hex digits and \")\"");
      value.type = *type;
      rest.remove_prefix(close + 1);
    }
    if (!rest.starts_with(':')) return fail("\":\" expected after hex");
    rest.remove_prefix(1);
    for (;;) {
      rest = trimRight(rest);
      const bool continued = rest.ends_with('\\');
      if (continued) rest.remove_suffix(1);
      if (!appendHexBytes(rest, value.data)) return fail("hex bytes separated by commas expected");
      if (!continued) break;
      if (index_ + 1 == lines_.size()) return fail("the value continues past the end of the file");
      rest = trimLeft(lines_[++index_]);
    }
    const bool text =
        value.type == kRegSz || value.type == kRegExpandSz || value.type == kRegMultiSz;
    if (unicode_ && text) value.data = toAnsi(fromUtf16le(value.data));
    return true;
  }

  const std::string text_;
  const std::vector<std::string_view> lines_;
  std::size_t index_ = 0;
  bool unicode_ = false;
  std::optional<Section> section_;
  RegFileContent content_;
};

}  // namespace

RegFileContent parseRegFile(std::string_view bytes) { return Parser(bytes).run(); }

}  // namespace mapsetdesk
