#include <algorithm>
#include <cctype>
#include <optional>
#include <ostream>
#include <memory>

#include "cli/CommandLine.h"
#include "cli/JsonOutput.h"
#include "formats/FileBytes.h"
#include "formats/InfoXml.h"
#include "formats/MdxIndex.h"
#include "formats/TdbChecksum.h"
#include "formats/TdbHeader.h"
#include "formats/TdbTiles.h"
#include "formats/TreDrawPriority.h"
#include "formats/TypHeader.h"
#include "platform/Codec.h"

namespace mapsetdesk::cli {
namespace {

using Facts = std::vector<std::pair<std::string, std::string>>;

// A file's facts, or why it could not be read.
struct Report {
  Facts facts;
  std::string error;
  bool damaged = false;
};

Report failed(const std::string& why) { return {{}, why}; }
Report failed(FileStatus status) { return failed(describe(status)); }
Report damaged(const std::string& why) { return {{}, why, true}; }

class Block {
 public:
  Block& add(const std::string& key, const std::string& value) {
    facts_.emplace_back(key, value);
    return *this;
  }
  Report report() const { return {facts_, {}}; }

 private:
  Facts facts_;
};

const char* checksumText(TdbChecksumState state) {
  switch (state) {
    case TdbChecksumState::Ok: return "ok";
    case TdbChecksumState::Bad: return "bad";
    case TdbChecksumState::None: break;
  }
  return "none";
}

std::string priorityText(const std::optional<std::uint8_t>& priority) {
  return priority ? std::to_string(*priority) : "none";
}

Report tdb(const std::string& path, Block& block) {
  const FileContent file = readFileBytes(path);
  if (file.status != FileStatus::Ok) return failed(file.status);
  const TdbHeaderResult header = parseTdbHeader(file.bytes);
  if (header.damage != TdbDamage::None) return damaged(describe(header.damage));
  const TdbChecksumCheck checksum = checkTdbChecksum(file.bytes);
  if (checksum.damage != TdbDamage::None) return damaged(describe(checksum.damage));
  const TdbTiles tiles = readTdbTiles(file.bytes);
  if (tiles.damage != TdbDamage::None) return damaged(describe(tiles.damage));
  return block.add("kind", "tdb")
      .add("version", std::to_string(header.header.version))
      .add("pid", std::to_string(header.header.pid))
      .add("fid", std::to_string(header.header.listedFid()))
      .add("name", fromAnsi(header.header.name))
      .add("checksum", checksumText(checksum.state))
      .add("tiles", std::to_string(tiles.tiles.size()))
      .report();
}

Report img(const std::string& path, Block& block) {
  const FileContent first = readFileStart(path, 1);
  if (first.status != FileStatus::Ok) return failed(first.status);
  if (first.bytes.empty()) return damaged("empty file");
  const TreRead read = readDrawPriority(path, TreForm::TileFile);
  if (read.status != FileStatus::Ok) return failed(read.status);
  return block.add("kind", "img")
      .add("xor", std::to_string(static_cast<unsigned char>(first.bytes[0])))
      .add("draw-priority", priorityText(read.priority))
      .report();
}

Report subfile(const std::string& path, Block& block) {
  const TreRead read = readDrawPriority(path, TreForm::Subfile);
  if (read.status != FileStatus::Ok) return failed(read.status);
  return block.add("kind", "subfile").add("draw-priority", priorityText(read.priority)).report();
}

Report typ(const std::string& path, Block& block) {
  const FileContent head = readFileStart(path, kTypFidOffset + 2);
  if (head.status != FileStatus::Ok) return failed(head.status);
  const std::optional<std::uint16_t> fid = readTypFid(head.bytes);
  if (!fid) return damaged("too short for a TYP header");
  return block.add("kind", "typ").add("fid", std::to_string(*fid)).report();
}

Report mdx(const std::string& path, Block& block) {
  const FileContent file = readFileBytes(path);
  if (file.status != FileStatus::Ok) return failed(file.status);
  const MdxRecords records = readMdxFids(file.bytes);
  if (records.damaged) return damaged("the records run past the end of the file");
  std::string fids;
  for (const std::uint16_t fid : records.fids)
    fids += (fids.empty() ? "" : ",") + std::to_string(fid);
  return block.add("kind", "mdx")
      .add("records", std::to_string(records.fids.size()))
      .add("fids", fids)
      .report();
}

Report infoXml(const std::string& path, Block& block) {
  const FileContent file = readFileBytes(path);
  if (file.status != FileStatus::Ok) return failed(file.status);
  const InfoXmlContent content = parseInfoXml(file.bytes);
  if (content.damaged) return damaged("an element is missing");
  block.add("kind", "info.xml");
  for (const InfoXmlProduct& product : content.products)
    block.add("product", product.number + "; " + product.name + "; fid " + content.fid +
                             "; tdb " + product.tdbFile);
  return block.report();
}

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

using Describer = Report (*)(const std::string&, Block&);

// The kind follows the file's name, in any case.
Describer describerFor(const std::string& path) {
  std::string name = path;
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  if (endsWith(name, "info.xml")) return infoXml;
  if (endsWith(name, ".tdb")) return tdb;
  if (endsWith(name, ".img")) return img;
  if (endsWith(name, ".typ")) return typ;
  if (endsWith(name, ".mdx")) return mdx;
  if (endsWith(name, "tre") || endsWith(name, "gmp")) return subfile;
  return nullptr;
}

struct InfoArguments {
  std::vector<std::string> files;
  bool json = false;
};

std::string errorText(const Report& report, const CliTexts& texts) {
  return report.damaged ? texts.damaged + report.error : report.error;
}

int info(Context& context, const InfoArguments& args) {
  bool allRead = true;
  bool first = true;
  nlohmann::json entries = nlohmann::json::array();
  for (const std::string& path : args.files) {
    const Describer describer = describerFor(path);
    Block block;
    block.add("file", path);
    Report report = describer ? describer(path, block) : failed(context.texts().unknownKind);
    if (!report.error.empty()) {
      context.err << path << ": " << errorText(report, context.texts()) << '\n';
      if (args.json) entries.push_back({{"file", path}, {"error", errorText(report, context.texts())}});
      allRead = false;
      continue;
    }
    if (args.json) {
      nlohmann::json entry = nlohmann::json::object();
      for (const auto& [key, value] : report.facts) {
        if (key == "product") entry["products"].push_back(value);
        else entry[key] = value;
      }
      entries.push_back(entry);
      continue;
    }
    context.out << (first ? "" : "\n");
    for (const auto& [key, value] : report.facts) context.out << key << ": " << value << '\n';
    first = false;
  }
  if (args.json) printJson(context.out, entries);
  return allRead ? 0 : 1;
}

}  // namespace

void addInfo(CommandLine& commandLine) {
  auto args = std::make_shared<InfoArguments>();
  CLI::App& command =
      commandLine.add("info", [args](Context& context) { return info(context, *args); });
  commandLine.arguments(command, "FILE", args->files)->required();
  commandLine.json(command, args->json);
}

}  // namespace mapsetdesk::cli
