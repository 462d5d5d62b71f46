#include "transfer/DeviceRefusalText.h"

namespace mapsetdesk {

std::string refusalText(const SendToDeviceTexts& texts, const DeviceRefusal& refusal) {
  switch (refusal.kind) {
    case DeviceRefusalKind::None: return {};
    case DeviceRefusalKind::NoMapset: return texts.noMapset;
    case DeviceRefusalKind::SameProduct: return texts.sameProduct + refusal.subject;
    case DeviceRefusalKind::SameMapNumber: return texts.sameMapNumber + refusal.subject;
    case DeviceRefusalKind::FileMissing: return texts.fileMissing + refusal.subject;
    case DeviceRefusalKind::FileDamaged: return texts.fileDamaged + refusal.subject;
    case DeviceRefusalKind::TooLargeForFat32: return texts.tooLarge + refusal.subject;
    case DeviceRefusalKind::NoRoom: return texts.noRoom + refusal.subject;
    case DeviceRefusalKind::TargetIsInput: return texts.targetIsInput + refusal.subject;
    case DeviceRefusalKind::TargetIsFolder: return texts.targetIsFolder + refusal.subject;
    case DeviceRefusalKind::NoTarget: return texts.noTarget;
    case DeviceRefusalKind::NotAnImageName: return texts.notAnImageName + refusal.subject;
  }
  return {};
}

}  // namespace mapsetdesk
