// The TYP of a registered mapset: a copy named after the FID bytes beside
// the TDB, pointed to by the family key's TYP value. A registration below
// Products is moved to a family key on the way.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <system_error>

#include "app/messages/MessageKeys.h"
#include "catalogue/Registration.h"
#include "edit/EditMessages.h"
#include "edit/TypAssignment.h"
#include "edit/TypFiles.h"
#include "formats/FileBytes.h"
#include "formats/TdbChecksum.h"
#include "formats/TdbHeader.h"
#include "formats/TypHeader.h"
#include "install/ExistingTdbFiles.h"
#include "platform/Blanks.h"
#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "platform/FileReplace.h"
#include "platform/RegistryOps.h"

namespace mapsetdesk {
namespace {

constexpr Root kHklm = Root::LocalMachine;

std::string familyNameOf(const CatalogueEntry& entry) {
  return entry.subkeyPath.substr(0, entry.subkeyPath.find('\\'));
}

// The key that holds the mapset's TYP value.
std::string typKeyOf(const std::string& base, const CatalogueEntry& entry) {
  if (entry.root == RegistrationRoot::Products) return productsKeyPath(base, entry.subkeyPath);
  return familyKeyPath(base, entry.root, familyNameOf(entry));
}

// The family key a TYP assignment writes: a Products registration gets one
// named after its subkey.
std::string familyKeyOf(const std::string& base, const CatalogueEntry& entry) {
  const RegistrationRoot root =
      entry.root == RegistrationRoot::Products ? RegistrationRoot::Families : entry.root;
  return familyKeyPath(base, root, familyNameOf(entry));
}

bool copyFile(const std::string& from, const std::string& to) {
  const FileContent content = readFileBytes(from);
  return content.status == FileStatus::Ok && replaceFile(to, content.bytes);
}

struct TdbIds {
  std::uint16_t fid = 0;
  std::uint16_t pid = 0;
  bool fidFieldEmpty = false;  // the mapset uses its PID as FID
};

class RegistryTyp {
 public:
  RegistryTyp(const TypSetting& setting, const CatalogueEntry& entry)
      : setting_(setting), entry_(entry), action_(setting) {}

  // Everything is checked before the first write; a failed write is put
  // back by the change history. The catalogue tells whose TYP copy a file is.
  TypResult assign(const std::string& typ, const RegistryCatalogue& catalogue) {
    write(typ, catalogue);
    return action_.result();
  }

  TypResult remove() {
    removeValue();
    return action_.result();
  }

 private:
  bool write(const std::string& typ, const RegistryCatalogue& catalogue) {
    const bool fromProducts = entry_.root == RegistrationRoot::Products;
    const std::string familyKey = familyKeyOf(setting_.base, entry_);
    const std::string current = fromProducts ? std::string() : currentTyp();
    if (!fromProducts && sameFile(current, typ))
      return action_.stop(action_.text(key::Fehler31), Icon::None);
    const auto ids = readIds();
    if (!ids) return false;
    const auto copy = typCopyBytes(typ, ids->fid);
    if (!copy) return action_.notATyp(typ);
    const std::string target = copyPath(ids->fid);
    if (isFile(target) && isTypOfAnotherMapset(catalogue, target, familyNameOf(entry_)))
      return action_.stop(typClashText(action_.german(), target));
    // A Products registration's new family key must not be another mapset's.
    if (fromProducts && setting_.registry.keyExists(kHklm, toAnsi(familyKey)))
      return action_.stop(action_.edit().familyTaken + familyKey);
    const bool keepOld = !fromProducts && isFile(current);
    const std::string bak = current + ".bak";
    if (!action_.keep(target) || (keepOld && (!action_.keep(current) || !action_.keep(bak))) ||
        (ids->fidFieldEmpty && !action_.keep(entry_.tdb)))
      return action_.stop(typNotCopiedText(action_.german(), target));
    if (keepOld && !written(bak, copyFile(current, bak))) return false;
    if (ids->fidFieldEmpty && !written(entry_.tdb, writeIds(*ids, fromProducts))) return false;
    if (!written(target, replaceFile(target, *copy))) return false;
    ffStringSpeichern(setting_.registry, kHklm, familyKey, kValueId, fidByteText(ids->fid));
    fStringSpeichern(setting_.registry, kHklm, familyKey, kValueTyp, target);
    if (fromProducts) moveProductsValues(familyKey, ids->fidFieldEmpty ? 1 : ids->pid);
    if (keepOld) {
      // The old file lives on as its backup only, as when it is renamed.
      std::error_code ignored;
      if (!sameFile(current, target)) std::filesystem::remove(filePath(current), ignored);
      action_.tell(kOldTypSaved + bak);
    }
    return action_.done(key::Satz22);
  }

  bool removeValue() {
    const std::string key = typKeyOf(setting_.base, entry_);
    if (!action_.ask(key::Fehler16)) return false;
    const std::string value(trimBlanks(fRegAbfrageWert(setting_.registry, kHklm, key, kValueTyp)));
    if (value.empty()) return action_.doneQuietly();
    const std::string current = upToTypExtension(value);
    if (isFile(current)) {
      if (!action_.keep(current) || !action_.keep(current + ".bak"))
        return action_.failed(current);
      if (!written(current, keepAsBak(current))) return false;
    }
    fWerteLoeschen(setting_.registry, kHklm, key, kValueTyp);
    return action_.done(key::Fehler27);
  }

  bool written(const std::string& path, bool succeeded) {
    if (!succeeded) return action_.failed(path);
    action_.wrote(path);
    return true;
  }

  std::string currentTyp() const {
    const std::string key = familyKeyPath(setting_.base, entry_.root, familyNameOf(entry_));
    return std::string(trimBlanks(fRegAbfrageWert(setting_.registry, kHklm, key, kValueTyp)));
  }

  std::optional<TdbIds> readIds() {
    if (entry_.tdb.empty()) {
      action_.stop(action_.text(key::Fehler25) + typKeyOf(setting_.base, entry_));
      return std::nullopt;
    }
    const TdbHeaderRead read = readTdbHeader(entry_.tdb);
    if (read.status != FileStatus::Ok || read.damage != TdbDamage::None) {
      action_.stop(action_.edit().tdbUnusable + entry_.tdb);
      return std::nullopt;
    }
    const TdbHeader& header = read.header;
    return TdbIds{header.listedFid(), header.pid, header.fid == 0};
  }

  std::string copyPath(std::uint16_t fid) const {
    return pathText(filePath(entry_.tdb).parent_path() /
                    filePath(typCopyName(fid, TypCopy::Assignment)));
  }

  // The PID takes the place of the empty FID field; a Products registration
  // becomes product 1. The checksum follows, as after every ID change.
  bool writeIds(const TdbIds& ids, bool pidBecomesOne) {
    const FileStatus written =
        pidBecomesOne ? patchTdbIds(entry_.tdb, 1, ids.fid) : patchTdbFid(entry_.tdb, ids.fid);
    if (written != FileStatus::Ok) return false;
    const ChecksumOutcome checksum =
        ChecksumAendern(entry_.tdb, setting_.dialogs, setting_.texts.tdb());
    return checksum == ChecksumOutcome::Written || checksum == ChecksumOutcome::NoChecksumBlock ||
           checksum == ChecksumOutcome::CrcZero;
  }

  // The product subkey is the product ID the TDB ends up with.
  void moveProductsValues(const std::string& familyKey, std::uint16_t pid) {
    const std::string products = productsKeyPath(setting_.base, entry_.subkeyPath);
    for (const char* name : {"Bmap", "TDB", "Loc"}) {
      const std::string value(
          trimBlanks(fRegAbfrageWert(setting_.registry, kHklm, products, name)));
      fStringSpeichern(setting_.registry, kHklm, familyKey + "\\" + std::to_string(pid), name,
                       value);
    }
    fSchluesselLoeschen(setting_.registry, kHklm, products);
  }

  // The value up to and with its first ".typ", whatever the case.
  static std::string upToTypExtension(const std::string& value) {
    std::string lower = value;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::size_t at = lower.find(".typ");
    return at == std::string::npos ? value : value.substr(0, at + 4);
  }

  const TypSetting& setting_;
  const CatalogueEntry& entry_;
  TypAction action_;
};

}  // namespace

TypResult assignRegistryTyp(const TypSetting& setting, const RegistryCatalogue& catalogue,
                            std::size_t row, const std::string& typ) {
  return RegistryTyp(setting, catalogue.rows[row].entry).assign(typ, catalogue);
}

TypResult removeRegistryTyp(const TypSetting& setting, const CatalogueRow& row) {
  return RegistryTyp(setting, row.entry).remove();
}

}  // namespace mapsetdesk
