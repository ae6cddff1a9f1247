#pragma once
// Where the wizard finds a simulator's main folder at start-up, apart from the registry and disk.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "setup/SettingNames.h"
#include "setup/SimulatorFiles.h"

namespace setup {

struct SimulatorEntry {
  const char* keyPath;  // under HKEY_LOCAL_MACHINE, 32-bit view
  const char* valueName;
  const char* setting;  // remembered folder
};

inline constexpr SimulatorEntry kFS9Entry{"\\Software\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0", "EXE Path",
                                          setting::kFolderFS9};
inline constexpr SimulatorEntry kFSXEntry{"\\Software\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0",
                                          "SetupPath", setting::kFolderFSX};

// A registry value that may name a simulator's main folder (32-bit view).
struct RegistryPlace {
  bool machine;  // HKEY_LOCAL_MACHINE, else HKEY_CURRENT_USER
  const char* keyPath;
  const char* valueName;
};

// Where FSX keeps its folder when the boxed edition's "SetupPath" gives none, in the order tried:
// the Steam Edition's per-user and machine entries, then the boxed edition's per-user entry.
inline constexpr RegistryPlace kFSXOtherPlaces[] = {
    {false, "\\Software\\Microsoft\\Microsoft Games\\Flight Simulator - Steam Edition\\10.0", "AppPath"},
    {true, "\\SOFTWARE\\Dovetail Games\\FSX\\10.0", "Install_Path"},
    {false, "\\Software\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0", "AppPath"},
};

struct FolderChoice {
  std::string folder;
  bool remember = false;  // write the folder back as the remembered one
  bool operator==(const FolderChoice&) const = default;
};

// The remembered folder when it still holds the marker (as stored), otherwise the registered one,
// trimmed and completed, to be remembered when not empty.
FolderChoice ChooseSimulatorFolder(std::string_view stored, bool storedHoldsMarker, std::string_view registered);

// The first candidate that, trimmed and completed, is a main folder by `holdsMarker` (given the
// completed folder), completed; empty when none is. Blank candidates are skipped untested.
std::string FirstMainFolder(const std::vector<std::string>& candidates,
                            const std::function<bool(const std::string& folder)>& holdsMarker);

}  // namespace setup
