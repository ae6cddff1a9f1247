#include "setup/SimulatorFolders.h"

#include "core/FolderNames.h"
#include "core/Settings.h"
#include "core/TextTools.h"
#include "setup/FolderRules.h"
#include "setup/OtherFSXFolder.h"

namespace setup {
namespace {

const SimulatorEntry& EntryOf(Simulator simulator) { return simulator == Simulator::FS9 ? kFS9Entry : kFSXEntry; }

}  // namespace

std::string FindSimulatorFolder(Simulator simulator) {
  const SimulatorEntry& entry = EntryOf(simulator);
  std::string stored = core::ReadSetting(entry.setting);
  bool holdsMarker = !stored.empty() && IsMainFolder(core::AddBackslash(stored), simulator);
  FolderChoice choice = ChooseSimulatorFolder(stored, holdsMarker,
                                              holdsMarker ? "" : core::PeekRegText(true, entry.keyPath, entry.valueName));
  if (choice.remember) core::WriteSetting(entry.setting, choice.folder);
  if (choice.folder.empty() && simulator == Simulator::FSX) return FindOtherFSXFolder();
  return choice.folder;
}

MarkedFolder FindMarkedFolder(Simulator simulator, std::string_view given) {
  const SimulatorEntry& entry = EntryOf(simulator);
  auto holdsMarker = [simulator](const std::string& folder) { return IsMainFolder(folder, simulator); };
  const std::string stored = FirstMainFolder({core::ReadSetting(entry.setting)}, holdsMarker);
  if (!stored.empty()) return {stored, false};
  std::vector<std::string> registered{core::PeekRegText(true, entry.keyPath, entry.valueName)};
  if (simulator == Simulator::FSX) {
    const std::vector<std::string> others = OtherFSXCandidates();
    registered.insert(registered.end(), others.begin(), others.end());
  }
  if (std::string found = FirstMainFolder(registered, holdsMarker); !found.empty()) return {found, true};
  return {FirstMainFolder({std::string(given)}, holdsMarker), false};
}

void RememberFolder(Simulator simulator, const std::string& folder) {
  core::WriteSetting(EntryOf(simulator).setting, folder);
}

}  // namespace setup
