#include "setup/Plans.h"

namespace setup {

InstallPlan PlanInstallation(const Survey& s) {
  using T = TextureState;
  using B = BackupState;
  if (!s.mainFolder) return {.refusal = Refusal::NotMainFolder};
  if (!s.payloadReadable) return {.refusal = Refusal::PayloadUnreadable};
  if (s.texture == T::Unreadable) return {.refusal = Refusal::TextureUnreadable};
  const bool ours = s.texture == T::Ours;
  switch (s.backup) {
    case B::Original:
    case B::Record: return {.keepOther = s.texture == T::Other};
    case B::None: return {.makeBackup = !ours};
    case B::Unusable:
    case B::NotOurs:
      return {.setAside = true, .makeBackup = !ours, .originalLost = ours && s.backup == B::Unusable};
  }
  return {};
}

UninstallPlan PlanUninstallation(const Survey& s) {
  using T = TextureState;
  using B = BackupState;
  if (!s.mainFolder) return {.refusal = Refusal::NotMainFolder};
  switch (s.backup) {
    case B::None: return {.refusal = Refusal::NothingToUninstall};
    case B::NotOurs: return {.refusal = Refusal::BackupNotOurs};
    case B::Unusable: return {.refusal = Refusal::BackupUnusable};
    case B::Original:
    case B::Record: break;
  }
  if (s.texture == T::Unreadable) return {.refusal = Refusal::TextureUnreadable};
  if (s.backup == B::Original) return {.keepOther = s.texture == T::Other || s.texture == T::Unknown, .restore = true};
  if (s.texture == T::Other || s.texture == T::Unknown) return {.refusal = Refusal::TextureUnknown};
  return {.removeTexture = s.texture == T::Ours};
}

}  // namespace setup
