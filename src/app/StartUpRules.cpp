#include "app/StartUpRules.h"

#include "core/FolderNames.h"
#include "core/ValueText.h"

namespace app {

FolderChoice ChooseSimulatorFolder(std::string_view stored, bool storedHoldsMarker, std::string_view registered) {
  if (!stored.empty() && storedHoldsMarker) return {std::string(stored), false};
  std::string folder = core::TrimText(registered);
  if (folder.empty()) return {};
  return {core::AddBackslash(folder), true};
}

}  // namespace app
