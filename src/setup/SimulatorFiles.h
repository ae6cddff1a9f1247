#pragma once
// The files of a simulator's main folder that the wizard looks for and the runs touch.
#include <string>

#include "core/PathTests.h"
#include "setup/Simulator.h"

namespace setup {

inline constexpr char kPayloadName[] = "Pratilo.bin";
inline constexpr char kBackupName[] = "Pratilo_Original_Tex.zip";
inline constexpr char kKeptOtherName[] = "Pratilo_Other_Tex.zip";  // another add-on's texture, kept
inline constexpr char kTextureSubfolder[] = "Scenery\\World\\Texture\\";
inline constexpr char kTextureName[] = "detail1.bmp";  // the simulator's texture, and the backup's entry
inline constexpr char kMarkerFS9[] = "FS9.exe";
inline constexpr char kMarkerFSX[] = "FSX.exe";

inline const char* MarkerOf(Simulator simulator) { return simulator == Simulator::FS9 ? kMarkerFS9 : kMarkerFSX; }

using core::FileExists;

// A folder (completed) is the simulator's main folder when its marker file is there.
inline bool IsMainFolder(const std::string& folder, Simulator simulator) {
  return FileExists(folder + MarkerOf(simulator));
}

struct SimulatorFiles {
  std::string main;     // the main folder, completed
  std::string payload;  // the payload archive the texture comes from
  std::string TextureFolder() const { return main + kTextureSubfolder; }
  std::string Texture() const { return TextureFolder() + kTextureName; }
  std::string Backup() const { return main + kBackupName; }
};

}  // namespace setup
