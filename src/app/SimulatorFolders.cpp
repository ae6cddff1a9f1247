#include "app/SimulatorFolders.h"

#include "app/OtherFSXFolder.h"
#include "app/StartUpRules.h"
#include "core/FolderNames.h"
#include "core/Settings.h"

namespace app {

std::string FindSimulatorFolder(Simulator simulator) {
  const SimulatorEntry& entry = simulator == Simulator::FS9 ? kFS9Entry : kFSXEntry;
  std::string stored = core::ReadSetting(entry.setting);
  bool holdsMarker = !stored.empty() && FileExists(core::AddBackslash(stored) + entry.marker);
  FolderChoice choice = ChooseSimulatorFolder(stored, holdsMarker,
                                              holdsMarker ? "" : core::PeekRegText(true, entry.keyPath, entry.valueName));
  if (choice.remember) core::WriteSetting(entry.setting, choice.folder);
  if (choice.folder.empty() && simulator == Simulator::FSX) return FindOtherFSXFolder();
  return choice.folder;
}

}  // namespace app
