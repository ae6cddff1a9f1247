#pragma once
// Where the wizard finds a simulator's main folder at start-up, apart from the registry and disk.
#include <string>
#include <string_view>

namespace app {

struct SimulatorEntry {
  const char* keyPath;  // under HKEY_LOCAL_MACHINE, 32-bit view
  const char* valueName;
  const char* marker;   // file that marks a main folder
  const char* setting;  // remembered folder
};

inline constexpr SimulatorEntry kFS9Entry{"\\Software\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0", "EXE Path",
                                          "FS9.exe", "DossierFS9"};
inline constexpr SimulatorEntry kFSXEntry{"\\Software\\Microsoft\\Microsoft Games\\Flight Simulator\\10.0",
                                          "SetupPath", "FSX.exe", "DossierFSX"};

struct FolderChoice {
  std::string folder;
  bool remember = false;  // write the folder back as the remembered one
  bool operator==(const FolderChoice&) const = default;
};

// The remembered folder when it still holds the marker (as stored), otherwise the registered one,
// trimmed and completed, to be remembered when not empty.
FolderChoice ChooseSimulatorFolder(std::string_view stored, bool storedHoldsMarker, std::string_view registered);

}  // namespace app
