#include "ui/forms/FormGeraet.h"

#include "app/Language.h"
#include "app/ProductTitle.h"
#include "platform/Drives.h"
#include "platform/FilePath.h"
#include "transfer/DeviceImageWriter.h"
#include "transfer/DeviceRefusalText.h"
#include "transfer/DeviceTargets.h"

namespace mapsetdesk::ui {
namespace {

std::string megabytes(std::uint64_t bytes) { return std::to_string(wholeMegabytes(bytes)); }

std::uint64_t bytesOf(const DeviceMapsetRead& read) {
  std::uint64_t bytes = 0;
  if (read.mapset)
    for (const DeviceTile& tile : read.mapset->tiles)
      for (const DeviceSubfile& subfile : tile.subfiles) bytes += subfile.size;
  return bytes;
}

std::string trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  while (!text.empty() && text.front() == ' ') text.erase(0, 1);
  return text;
}

}  // namespace

FormGeraet::FormGeraet(WindowSystem& windows, Services& services, FormPipe& pipe)
    : Form(windows, "FormGeraet"),
      volumes(removableVolumes),
      services_(services),
      pipe_(pipe),
      texts_(sendToDeviceTexts(Sprache::Deutsch)) {
  placeControls();
  ListKartensaetze.onClick = [this] { ListKartensaetze_Click(); };
  ListZiel.onClick = [this] { ListZiel_Click(); };
  CmdSchreiben.onClick = [this] { CmdSchreiben_Click(); };
}

void FormGeraet::placeControls() {
  width = 720;
  height = 520;
  LabelSpalten.position = {12, 8, 696, 20};
  ListKartensaetze.position = {12, 30, 696, 242};
  ListKartensaetze.tabStops = {0, 400, 480, 560};
  LabelZiel.position = {12, 284, 120, 20};
  ListZiel.position = {12, 308, 696, 90};
  TextZiel.position = {12, 406, 696, 24};
  LabelGroesse.position = {12, 446, 480, 40};
  CmdSchreiben.position = {508, 446, 200, 40};
}

void FormGeraet::open(const RegistryCatalogue& registry, const GmapCatalogue& packages) {
  registry_ = registry;
  packages_ = packages;
  language();
  fillMapsets();
  fillTargets();
  ListKartensaetze_Click();
  show();
}

void FormGeraet::language() {
  texts_ = sendToDeviceTexts(chosenSprache(services_.registry));
  caption = texts_.caption;
  LabelSpalten.caption = texts_.columns;
  LabelZiel.caption = texts_.target;
  CmdSchreiben.caption = texts_.write;
}

void FormGeraet::fillMapsets() {
  rows_.clear();
  for (const CatalogueRow& row : registry_.rows)
    if (row.state != EntryState::TdbMissing) rows_.push_back({&row, nullptr});
  for (const GmapRow& row : packages_.rows) rows_.push_back({nullptr, &row});
  ListKartensaetze.clear();
  for (const Row& row : rows_) {
    const DeviceMapsetRead read =
        row.package ? readDeviceMapset(*row.package) : readDeviceMapset(*row.registration);
    const std::string name = row.package ? row.package->name : row.registration->cells.name;
    const std::string fid = row.package ? row.package->fid : row.registration->cells.fid;
    const std::string pid = row.package ? row.package->pid : row.registration->cells.pid;
    ListKartensaetze.addItem(name + '\t' + fid + '\t' + pid + '\t' +
                             (read.mapset ? megabytes(bytesOf(read)) : std::string("?")));
  }
}

void FormGeraet::fillTargets() {
  garminFolders_ = garminFolders(volumes());
  ListZiel.clear();
  for (const std::string& folder : garminFolders_) ListZiel.addItem(folder);
  ListZiel.addItem(texts_.chooseFile);
  TextZiel.setText(garminFolders_.empty() ? std::string()
                                          : nextFreeImageName(garminFolders_.front()));
}

std::vector<DeviceMapsetRead> FormGeraet::chosen() const {
  std::vector<DeviceMapsetRead> reads;
  for (const int index : ListKartensaetze.selectedRows()) {
    const Row& row = rows_[static_cast<std::size_t>(index)];
    reads.push_back(row.package ? readDeviceMapset(*row.package)
                                : readDeviceMapset(*row.registration));
  }
  return reads;
}

void FormGeraet::ListKartensaetze_Click() {
  const PlannedImage planned = planDeviceImage(chosen());
  LabelGroesse.caption = planned.plan ? texts_.imageSize + megabytes(planned.plan->size) + " MB"
                                      : refusalText(texts_, planned.refusal);
}

void FormGeraet::ListZiel_Click() {
  const int row = ListZiel.listIndex();
  if (row >= 0 && row < static_cast<int>(garminFolders_.size())) {
    TextZiel.setText(nextFreeImageName(garminFolders_[static_cast<std::size_t>(row)]));
    return;
  }
  const auto folder = services_.dialogs.chooseFolder(texts_.caption, {});
  if (folder) TextZiel.setText(nextFreeImageName(*folder));
}

void FormGeraet::tell(const std::string& text, Icon icon) {
  services_.dialogs.message({text, std::string(kMessageTitle), Buttons::Ok, icon});
}

void FormGeraet::report(const std::string& line) {
  pipe_.setText(pipe_.text() + line + "\r\n");
  services_.letEventsRun();
}

void FormGeraet::CmdSchreiben_Click() {
  const std::string target = absolutePathText(trimmed(TextZiel.text()));
  const PlannedImage planned = planDeviceImageTo(chosen(), target);
  if (!planned.plan) return tell(refusalText(texts_, planned.refusal), Icon::Exclamation);
  if (isFile(target)) {
    const Message question{texts_.askReplace + target, std::string(kMessageTitle), Buttons::YesNo,
                           Icon::Question};
    if (services_.dialogs.message(question) != Answer::Yes) return;
  }
  CmdSchreiben.enabled = false;
  pipe_.show();
  pipe_.setText({});
  report(texts_.writing + target);
  DeviceWriteProgress progress;
  progress.mapsetWritten = [this](const DeviceMapset& mapset) {
    report(texts_.mapsetWritten + mapset.name);
  };
  progress.letEventsRun = services_.letEventsRun;
  const bool written = writeDeviceImage(*planned.plan, target, progress);
  CmdSchreiben.enabled = true;
  report((written ? texts_.done : texts_.failed) + target);
  tell((written ? texts_.done : texts_.failed) + target,
       written ? Icon::Information : Icon::Exclamation);
  if (written) TextZiel.setText(nextFreeImageName(pathText(filePath(target).parent_path())));
}

}  // namespace mapsetdesk::ui
