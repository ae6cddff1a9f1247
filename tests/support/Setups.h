#pragma once
// Simulator folders and payloads for tests of the setup engine and of the wizard: a payload archive
// of small stand-in textures, main folders with their marker and their own detail1.bmp, and the
// backup an earlier installation left.
#include <string>

namespace testing_support {

// The program's environment for this test program (its settings key, its folder); once, at start.
void InitTestEnvironment();

inline constexpr char kOriginalTexture[] = "ORIGINAL TEXTURE BYTES";

// The stand-in content of a payload entry.
std::string PayloadBytes(const std::string& entryName);

// "Pratilo.bin" in the folder, with the sixteen entries' stand-ins. Its path.
std::string MakePayload(const std::string& folder);

// A main folder `parent` + `name` with its marker and the texture folder holding kOriginalTexture
// as detail1.bmp. Completed.
std::string MakeSimulatorFolder(const std::string& parent, const std::string& name, const char* marker);

inline std::string TextureOf(const std::string& main) { return main + "Scenery\\World\\Texture\\detail1.bmp"; }
inline std::string BackupOf(const std::string& main) { return main + "Pratilo_Original_Tex.zip"; }

// The backup an earlier installation left in `folder`: the simulator's own texture, archived from
// a copy made in `scratch`.
void MakeBackupOfOriginal(const std::string& folder, const std::string& scratch);

// A setting as stored in the registry, or "<missing>".
std::string StoredSetting(const char* name);

// An archive at `archive` holding `bytes` as `entry` (nothing when the entry is empty), packed by
// our own component from a folder of its own under `scratch`.
void MakeArchive(const std::string& archive, const std::string& scratch, const std::string& entry,
                 const std::string& bytes);

}  // namespace testing_support
