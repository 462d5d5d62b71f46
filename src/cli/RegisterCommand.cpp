// register: the window for an existing TDB and overview, filled from the
// options as a person fills it (each file field is left, so its check runs),
// then its registration or package button pressed.
#include <map>
#include <memory>
#include <optional>
#include <ostream>

#include "cli/CatalogueReading.h"
#include "cli/CommandLine.h"
#include "cli/HeadlessProgram.h"
#include "cli/MapsetRows.h"
#include "platform/FilePath.h"

namespace mapsetdesk::cli {
namespace {

struct RegisterOptions {
  bool gmap = false;
  std::map<std::string, std::string> values;  // by option name
  std::optional<std::string> fid;
  std::optional<std::string> pid;
  std::optional<std::string> value(const std::string& name) const {
    if (name == "--fid") return fid;
    if (name == "--pid") return pid;
    const auto found = values.find(name);
    return found == values.end() ? std::nullopt : std::optional(found->second);
  }
};

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

int registerExisting(Context& context, const RegisterOptions& options) {
  if (!readCatalogues(context)) return 1;
  HeadlessProgram program(context);
  ui::FormTDBvorhanden& window = program.windows->tdbVorhanden;
  window.show();
  fillWindow(window, options);
  if (program.dialogs.messages > 0) return 1;
  ui::Button& action = options.gmap ? window.Commandgmapsatz : window.Commandregistriere;
  if (!action.enabled) {
    const CliTexts& texts = context.texts();
    context.err << (options.gmap ? texts.windowRefusesPackage : texts.windowRefusesRegistration)
                << '\n';
    return 1;
  }
  const ExistingMapset mapset = window.mapsetOfFields();
  const std::string package = options.gmap ? existingPackageFolder(program, mapset.name) : "";
  ui::fire(action.onClick);
  if (!window.lastActionCompleted()) return 1;
  printExistingMapsetRows(context, mapset, package);
  return 0;
}

// The registration keeps the paths, which must hold from any current folder.
void addPathOption(CommandLine& commandLine, CLI::App& command, RegisterOptions& options,
                   const std::string& name, bool required) {
  CLI::Option* option = command.add_option_function<std::string>(
      name, [&options, name](const std::string& path) {
        options.values[name] = absolutePathText(path);
      },
      commandLine.describeOption(command, name));
  option->type_name(name == "--tiles" ? "DIR" : "FILE");
  if (required) option->required();
}

}  // namespace

void addRegister(CommandLine& commandLine) {
  auto options = std::make_shared<RegisterOptions>();
  CLI::App& command = commandLine.add(
      "register", [options](Context& context) { return registerExisting(context, *options); });
  commandLine.flag(command, "--gmap", options->gmap);
  for (const char* name : {"--tiles", "--tdb", "--overview"})
    addPathOption(commandLine, command, *options, name, true);
  for (const char* name : {"--typ", "--mdx", "--mdr", "--trf"})
    addPathOption(commandLine, command, *options, name, false);
  command
      .add_option_function<std::string>(
          "--name", [options](const std::string& name) { options->values["--name"] = name; },
          commandLine.describeOption(command, "--name"))
      ->type_name("NAME");
  commandLine.number(command, "--fid", options->fid);
  commandLine.number(command, "--pid", options->pid);
}

}  // namespace mapsetdesk::cli
