#include "setup/OtherFSXFolder.h"

#include "core/Settings.h"
#include "setup/FolderRules.h"
#include "setup/SimulatorFiles.h"

namespace setup {

std::vector<std::string> OtherFSXCandidates() {
  std::vector<std::string> candidates;
  for (const RegistryPlace& place : kFSXOtherPlaces)
    candidates.push_back(core::PeekRegText(place.machine, place.keyPath, place.valueName));
  return candidates;
}

std::string FindOtherFSXFolder() {
  std::string folder = FirstMainFolder(
      OtherFSXCandidates(), [](const std::string& candidate) { return IsMainFolder(candidate, Simulator::FSX); });
  if (!folder.empty()) core::WriteSetting(kFSXEntry.setting, folder);
  return folder;
}

}  // namespace setup
