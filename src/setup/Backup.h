#pragma once
// The archives a run writes beside the simulator's texture: the backup of the original, and a copy
// of another add-on's texture before it is replaced; and the setting aside of an archive in the
// backup's place that is of no use. Nothing here overwrites a file.
#include <string>
#include <string_view>

#include "setup/ArchiveWork.h"
#include "setup/SimulatorFiles.h"

namespace setup {

// "Pratilo_Original_Tex (unusable).zip", then "(unusable 2)" and so on; the folder is kept.
std::string SetAsideName(std::string_view archivePath, int attempt);
// How many names are tried for a set-aside backup or a kept texture before the step gives up.
inline constexpr int kNameAttempts = 100;

// "Pratilo_Other_Tex.zip" in the main folder, then "Pratilo_Other_Tex (2).zip" and so on.
std::string KeptOtherName(std::string_view mainFolder, int attempt);

// Renames the archive to the first set-aside name no file has. The new path, empty when it failed.
std::string SetAsideBackup(const std::string& archivePath);

// Saves the texture folder's "detail1.bmp" into a new archive at `archivePath`. True only when the
// archive holds the texture with its size and CRC-32 and reads back intact, or, without a texture,
// holds no entry at all; otherwise no archive is left behind. Errors of the archive component pass
// through, also leaving no archive.
bool ArchiveTexture(const SimulatorFiles& files, const std::string& archivePath, const ArchiveWork& work);

// Keeps the texture in place in the first free KeptOtherName. The archive's path, empty when it failed.
std::string KeepOtherTexture(const SimulatorFiles& files, const ArchiveWork& work);

}  // namespace setup
