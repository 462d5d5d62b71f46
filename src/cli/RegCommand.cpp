#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>

#include "cli/Commands.h"
#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "platform/RegFile.h"
#include "platform/RegistryOps.h"
#include "platform/RegistryTransfer.h"
#include "platform/StdoutBinary.h"

namespace mapsetdesk::cli {
namespace {

constexpr const char* kUsage = "reg import FILE | reg export ROOT\\KEY | reg query ROOT\\KEY NAME";

struct KeyName {
  Root root;
  std::string path;  // as typed, UTF-8
};

// "HKCU\Software\ZORVAN": the root by its long or short name, then the path.
std::optional<KeyName> parseKeyName(const std::string& text) {
  const auto separator = text.find('\\');
  const auto root = rootFromName(text.substr(0, separator));
  if (!root) return std::nullopt;
  return KeyName{*root, separator == std::string::npos ? "" : text.substr(separator + 1)};
}

std::optional<std::string> readWhole(const std::string& file) {
  std::ifstream in(filePath(file), std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) return std::nullopt;
  return bytes;
}

int importFile(Context& context) {
  if (context.args.size() != 2) return usageError(context, kUsage);
  const std::string& file = context.args[1];
  const auto bytes = readWhole(file);
  if (!bytes) {
    context.err << "reg import: cannot read " << file << '\n';
    return 1;
  }
  const RegFileContent content = parseRegFile(*bytes);
  if (content.errorLine != 0) {
    context.err << file << ':' << content.errorLine << ": " << content.error << '\n';
    return 1;
  }
  const auto registry = openSystemRegistry(context.platform);
  if (const auto refused = importRegOperations(*registry, content.operations)) {
    context.err << "reg import: cannot change " << *refused << '\n';
    return 1;
  }
  return 0;
}

int exportKey(Context& context) {
  if (context.args.size() != 2) return usageError(context, kUsage);
  const auto key = parseKeyName(context.args[1]);
  if (!key) return usageError(context, kUsage);
  const auto registry = openSystemRegistry(context.platform);
  const auto text = exportRegistryKey(*registry, key->root, toAnsi(key->path));
  if (!text) {
    context.err << "reg export: no such key: " << context.args[1] << '\n';
    return 1;
  }
  setStdoutBinary();
  context.out << *text;
  return 0;
}

int query(Context& context) {
  if (context.args.size() != 3) return usageError(context, kUsage);
  const auto key = parseKeyName(context.args[1]);
  if (!key) return usageError(context, kUsage);
  const auto registry = openSystemRegistry(context.platform);
  context.out << fRegAbfrageWert(*registry, key->root, key->path, context.args[2]) << '\n';
  return 0;
}

}  // namespace

int reg(Context& context) {
  const std::string action = context.args.empty() ? "" : context.args.front();
  if (action == "import") return importFile(context);
  if (action == "export") return exportKey(context);
  if (action == "query") return query(context);
  return usageError(context, kUsage);
}

}  // namespace mapsetdesk::cli
