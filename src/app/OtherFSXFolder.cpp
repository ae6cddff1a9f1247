#include "app/OtherFSXFolder.h"

#include <vector>

#include "app/SimulatorFiles.h"
#include "app/StartUpRules.h"
#include "core/Settings.h"

namespace app {

std::string FindOtherFSXFolder() {
  std::vector<std::string> candidates;
  for (const RegistryPlace& place : kFSXOtherPlaces)
    candidates.push_back(core::PeekRegText(place.machine, place.keyPath, place.valueName));
  std::string folder = FirstMainFolder(
      candidates, [](const std::string& candidate) { return FileExists(candidate + kFSXEntry.marker); });
  if (!folder.empty()) core::WriteSetting(kFSXEntry.setting, folder);
  return folder;
}

}  // namespace app
