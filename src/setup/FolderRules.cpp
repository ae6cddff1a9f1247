#include "setup/FolderRules.h"

#include "core/FolderNames.h"
#include "core/TextTools.h"

namespace setup {

FolderChoice ChooseSimulatorFolder(std::string_view stored, bool storedHoldsMarker, std::string_view registered) {
  if (!stored.empty() && storedHoldsMarker) return {std::string(stored), false};
  std::string folder = core::TrimText(registered);
  if (folder.empty()) return {};
  return {core::AddBackslash(folder), true};
}

std::string FirstMainFolder(const std::vector<std::string>& candidates,
                            const std::function<bool(const std::string& folder)>& holdsMarker) {
  for (const std::string& candidate : candidates) {
    std::string folder = core::TrimText(candidate);
    // A blank text must not become a folder relative to wherever the program happens to run.
    if (folder.empty()) continue;
    folder = core::AddBackslash(folder);
    if (holdsMarker(folder)) return folder;
  }
  return {};
}

}  // namespace setup
