#pragma once
// The backup of the simulator's own texture: whether the archive in the main folder can be trusted,
// setting aside one that cannot, and making a new one that is checked before anything is replaced.
#include <string>
#include <string_view>

#include "app/ArchiveWork.h"
#include "app/SimulatorFiles.h"

namespace app {

enum class BackupState {
  None,      // no backup archive
  Saved,     // it holds "detail1.bmp", which reads back intact
  Record,    // an archive with no entry: the folder had no texture of its own
  Unusable,  // anything else: damaged, empty of the texture, not an archive
};

// Judges the backup archive. A record only counts while the texture folder holds no texture or one
// of the payload's: a texture of someone else's put there since would otherwise be overwritten.
BackupState InspectBackup(const SimulatorFiles& files);
inline bool BackupNeeded(BackupState state) { return state == BackupState::None || state == BackupState::Unusable; }

// The name an unusable backup is set aside under: "Pratilo_Original_Tex (unusable).zip", then
// "(unusable 2)" and so on for later attempts; the folder is kept.
std::string SetAsideName(std::string_view archivePath, int attempt);
// Renames the archive to the first set-aside name no file has; never replaces a file. True when done.
bool SetAsideBackup(const std::string& archivePath);

// Saves the texture folder's "detail1.bmp" into a new backup archive, by the run's archive work. True only when the archive holds the texture with its size and CRC-32 and reads back intact,
// or, without a texture, holds no entry at all; otherwise no archive is left behind. Errors of the
// archive component pass through, also leaving no archive.
bool MakeBackup(const SimulatorFiles& files, const ArchiveWork& archive);

// True when the texture has the size and CRC-32 of one of the payload's entries.
bool TextureIsOurs(const SimulatorFiles& files);

}  // namespace app
