#pragma once
// What an installation and an uninstallation do with a folder, decided from its survey alone. One
// rule each: the texture in place is saved only when it is not ours; a texture that is neither ours
// nor the saved original is never replaced without a copy; an archive we did not make is never
// deleted; a record of no texture is only acted on when our texture can be recognised.
#include "setup/Survey.h"

namespace setup {

// Why a run does nothing at all.
enum class Refusal {
  None,
  NotMainFolder,       // the simulator's marker is missing
  PayloadUnreadable,   // no texture to install, and ours cannot be recognised
  TextureUnreadable,   // the texture in place cannot be read, so it cannot be kept
  NothingToUninstall,  // no backup archive
  BackupNotOurs,       // the archive in the backup's place is not one we made: it stays
  BackupUnusable,      // the backup is damaged or unreadable: it stays
  TextureUnknown,      // a record, and the texture in place is not recognised as ours
};

struct InstallPlan {
  Refusal refusal = Refusal::None;
  bool setAside = false;      // the archive in the backup's place is kept under another name first
  bool makeBackup = false;    // the texture in place (or its absence) is saved as the original
  bool keepOther = false;     // the texture in place is another add-on's: kept in an archive of its own
  bool originalLost = false;  // the saved original is unusable and the texture in place is ours
  bool operator==(const InstallPlan&) const = default;
};

struct UninstallPlan {
  Refusal refusal = Refusal::None;
  bool keepOther = false;      // as for an installation
  bool restore = false;        // the original comes back from the backup
  bool removeTexture = false;  // the folder had no texture: the one in place goes
  bool operator==(const UninstallPlan&) const = default;
};

InstallPlan PlanInstallation(const Survey& survey);
UninstallPlan PlanUninstallation(const Survey& survey);

}  // namespace setup
