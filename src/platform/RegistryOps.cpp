#include "platform/RegistryOps.h"

#include "platform/Blanks.h"
#include "platform/Codec.h"
#include "platform/RegistryTree.h"

namespace mapsetdesk {
namespace {

void writeText(Registry& reg, Root root, const std::string& path, const std::string& name,
               std::uint32_t type, const std::string& text) {
  // The data length is the number of characters; Windows itself adds the NUL
  // (asStoredByWindows).
  const std::string data = isTextType(type) ? reg.storedText(text) : toAnsi(text);
  reg.setValue(root, toAnsi(path), RegValue{toAnsi(name), type, data});
}

// The value as text, and its length as the A functions of a Windows-1252
// system deliver it, which the read limit counts.
struct ReadText {
  std::string text;
  std::size_t ansiLength = 0;
};

ReadText readText(const Registry& reg, const RegValue& value) {
  if (!isTextType(value.type)) return {fromAnsi(value.data), value.data.size()};
  std::string text = reg.programText(value.data);
  const std::size_t length = toAnsi(text).size();
  return {std::move(text), length};
}

}  // namespace

std::string fRegAbfrageWert(Registry& reg, Root root, const std::string& path,
                            const std::string& name) {
  const std::string ansiPath = toAnsi(path);
  if (!reg.canOpen(root, ansiPath)) return {};
  const auto value = reg.queryValue(root, ansiPath, toAnsi(name));
  if (!value) return {};
  const ReadText read = readText(reg, *value);
  if (read.ansiLength > kRegReadLimit) return {};
  // Cut at the first NUL before trimming, so that a text stored with its NUL
  // by another installer reads exactly as one stored without.
  return std::string(trimBlanks(read.text.substr(0, read.text.find('\0'))));
}

void fStringSpeichern(Registry& reg, Root root, const std::string& path,
                      const std::string& name, const std::string& text) {
  writeText(reg, root, path, name, kRegSz, text);
}

void ffStringSpeichern(Registry& reg, Root root, const std::string& path,
                       const std::string& name, const std::string& bytes) {
  writeText(reg, root, path, name, kRegBinary, bytes);
}

void HKCUStringSpeichern(Registry& reg, Dialogs& dialogs, const std::string& fehler29,
                         RegWriteCheck& check, Root root, const std::string& path,
                         const std::string& name, const std::string& text) {
  fStringSpeichern(reg, root, path, name, text);
  check.vRegkeybin = fRegAbfrageWert(reg, root, path, name);
  if (check.vRegkeybin != text) {
    dialogs.message(Message{fehler29, "ZORVAN", Buttons::Ok, Icon::Exclamation});
    check.vRegkey = false;
  }
}

void fSchluesselLoeschen(Registry& reg, Root root, const std::string& path) {
  const std::string ansiPath = toAnsi(path);
  reg.createKey(root, ansiPath);
  reg.deleteKey(root, ansiPath);
}

void fWerteLoeschen(Registry& reg, Root root, const std::string& path,
                    const std::string& name) {
  const std::string ansiPath = toAnsi(path);
  reg.createKey(root, ansiPath);
  reg.deleteValue(root, ansiPath, toAnsi(name));
}

void AktSchluesselLoeschen(Registry& reg, const std::string& vRegistryKey) {
  fSchluesselLoeschen(reg, Root::LocalMachine, vRegistryKey);
}

std::vector<std::string> fSubkeysListen(Registry& reg, Root root, const std::string& path) {
  std::vector<std::string> names;
  for (const auto& name : reg.subkeyNames(root, toAnsi(path))) {
    names.push_back(fromAnsi(name.substr(0, name.find('\0'))));
  }
  return names;
}

std::optional<std::uint32_t> fDwordLesen(Registry& reg, Root root, const std::string& path,
                                         const std::string& name) {
  const std::string ansiPath = toAnsi(path);
  if (!reg.canOpen(root, ansiPath)) return std::nullopt;
  const auto value = reg.queryValue(root, ansiPath, toAnsi(name));
  if (!value || value->type != kRegDword || value->data.size() != 4) return std::nullopt;
  std::uint32_t result = 0;
  for (int i = 3; i >= 0; --i) result = (result << 8) | static_cast<unsigned char>(value->data[i]);
  return result;
}

void fDwordSpeichern(Registry& reg, Root root, const std::string& path,
                     const std::string& name, std::uint32_t value) {
  std::string data(4, '\0');
  for (int i = 0; i < 4; ++i) data[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  reg.setValue(root, toAnsi(path), RegValue{toAnsi(name), kRegDword, data});
}

bool sameKeyName(const std::string& a, const std::string& b) {
  return sameRegName(toAnsi(a), toAnsi(b));
}

}  // namespace mapsetdesk
