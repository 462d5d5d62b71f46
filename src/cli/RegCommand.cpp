#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/ChosenLanguageRegistry.h"
#include "cli/CommandLine.h"
#include "platform/Codec.h"
#include "platform/FilePath.h"
#include "platform/RegFile.h"
#include "platform/RegistryOps.h"
#include "platform/RegistryTransfer.h"
#include "platform/StdoutBinary.h"

namespace mapsetdesk::cli {
namespace {

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

int importFile(Context& context, const std::string& file) {
  const CliTexts& texts = context.texts();
  const auto bytes = readWhole(file);
  if (!bytes) {
    context.err << texts.fileUnreadable << file << '\n';
    return 1;
  }
  const RegFileContent content = parseRegFile(*bytes);
  if (content.errorLine != 0) {
    context.err << file << ": " << texts.regFileError << content.errorLine << ": " << content.error
                << '\n';
    return 1;
  }
  const auto registry = openRegistry(context);
  if (const auto refused = importRegOperations(*registry, content.operations)) {
    context.err << texts.regRefused << *refused << '\n';
    return 1;
  }
  return 0;
}

int exportKey(Context& context, const std::string& name) {
  const auto key = parseKeyName(name);
  if (!key) return usageError(context, "reg export", context.texts().noSuchKey + name);
  const auto registry = openRegistry(context);
  const auto text = exportRegistryKey(*registry, key->root, toAnsi(key->path));
  if (!text) {
    context.err << context.texts().noSuchKey << name << '\n';
    return 1;
  }
  setStdoutBinary();
  context.out << *text;
  return 0;
}

int query(Context& context, const std::string& name, const std::string& value) {
  const auto key = parseKeyName(name);
  if (!key) return usageError(context, "reg query", context.texts().noSuchKey + name);
  const auto registry = openRegistry(context);
  context.out << fRegAbfrageWert(*registry, key->root, key->path, value) << '\n';
  return 0;
}

struct RegArguments {
  std::string file;
  std::string key;
  std::string value;
};

}  // namespace

void addReg(CommandLine& commandLine) {
  auto given = std::make_shared<RegArguments>();
  CLI::App& reg = commandLine.add("reg", {});
  reg.require_subcommand(1);
  CLI::App& import = commandLine.addBelow(
      reg, "import", [given](Context& context) { return importFile(context, given->file); });
  commandLine.argument(import, "FILE", given->file)->required();
  CLI::App& exporting = commandLine.addBelow(
      reg, "export", [given](Context& context) { return exportKey(context, given->key); });
  commandLine.argument(exporting, "KEY", given->key)->required();
  CLI::App& querying = commandLine.addBelow(reg, "query", [given](Context& context) {
    return query(context, given->key, given->value);
  });
  commandLine.argument(querying, "KEY", given->key)->required();
  commandLine.argument(querying, "NAME", given->value)->required();
}

}  // namespace mapsetdesk::cli
