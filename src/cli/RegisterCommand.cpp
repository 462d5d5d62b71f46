// register: the window for an existing TDB and overview, filled from the
// options as a person fills it (each file field is left, so its check runs),
// then its registration or package button pressed.
#include <map>
#include <optional>
#include <ostream>

#include "cli/CatalogueReading.h"
#include "cli/HeadlessProgram.h"
#include "cli/MapsetRows.h"
#include "platform/FilePath.h"

namespace mapsetdesk::cli {
namespace {

constexpr char kUsage[] =
    "register [--gmap] --tiles DIR --tdb FILE --overview FILE [--typ FILE] [--mdx FILE] "
    "[--mdr FILE] [--trf FILE] [--name NAME] [--fid N] [--pid N]";

const char* const kValueOptions[] = {"--tiles", "--tdb",  "--overview", "--typ",
                                     "--mdx",   "--mdr",  "--trf",      "--name",
                                     "--fid",   "--pid"};

struct RegisterOptions {
  bool gmap = false;
  std::map<std::string, std::string> values;  // by option name
  std::optional<std::string> value(const std::string& name) const {
    const auto found = values.find(name);
    return found == values.end() ? std::nullopt : std::optional(found->second);
  }
};

// The registration keeps the paths, which must hold from any current folder.
bool isPathOption(const std::string& arg) {
  return arg != "--name" && arg != "--fid" && arg != "--pid";
}

bool takesValue(const std::string& arg) {
  for (const char* name : kValueOptions)
    if (arg == name) return true;
  return false;
}

std::optional<RegisterOptions> parseOptions(const std::vector<std::string>& args) {
  RegisterOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--gmap") {
      options.gmap = true;
    } else if (takesValue(args[i]) && i + 1 < args.size()) {
      options.values[args[i]] = isPathOption(args[i]) ? absolutePathText(args[i + 1]) : args[i + 1];
      ++i;
    } else {
      return std::nullopt;
    }
  }
  for (const char* required : {"--tiles", "--tdb", "--overview"})
    if (!options.value(required)) return std::nullopt;
  return options;
}

// Types the text and leaves the field, as a person does.
void enter(ui::TextBox& field, const std::optional<std::string>& text) {
  if (!text) return;
  field.setText(*text);
  if (field.onValidate) field.onValidate();
  ui::fire(field.onLostFocus);
}

void fillWindow(ui::FormTDBvorhanden& window, const RegisterOptions& options) {
  enter(window.TextPfadLoc, options.value("--tiles"));
  enter(window.TextPfadPreview, options.value("--overview"));
  enter(window.TextPfadTDB, options.value("--tdb"));
  enter(window.TextPfadTyp, options.value("--typ"));
  enter(window.TextIndexFile, options.value("--mdx"));
  enter(window.TextMdr, options.value("--mdr"));
  enter(window.TextPfadTrf, options.value("--trf"));
  enter(window.Text1, options.value("--name"));
  enter(window.TextID, options.value("--fid"));
  enter(window.TextPID, options.value("--pid"));
}

}  // namespace

int registerExisting(Context& context) {
  const auto options = parseOptions(context.args);
  if (!options) return usageError(context, kUsage);
  if (!readCatalogues(context)) return 1;
  HeadlessProgram program(context);
  ui::FormTDBvorhanden& window = program.windows->tdbVorhanden;
  window.show();
  fillWindow(window, *options);
  if (program.dialogs.messages > 0) return 1;
  ui::Button& action = options->gmap ? window.Commandgmapsatz : window.Commandregistriere;
  if (!action.enabled) {
    context.err << "register: the window does not let the mapset be "
                << (options->gmap ? "packaged" : "registered") << '\n';
    return 1;
  }
  const ExistingMapset mapset = window.mapsetOfFields();
  const std::string package = options->gmap ? existingPackageFolder(program, mapset.name) : "";
  ui::fire(action.onClick);
  if (!window.lastActionCompleted()) return 1;
  printExistingMapsetRows(context, mapset, package);
  return 0;
}

}  // namespace mapsetdesk::cli
