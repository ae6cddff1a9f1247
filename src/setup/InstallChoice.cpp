#include "setup/InstallChoice.h"

#include "setup/SettingNames.h"

namespace setup {

std::string EntryName(int variantIndex, bool testGrid, std::string_view resolutionItem) {
  std::string name = "T" + std::to_string(variantIndex + 1);
  if (!testGrid) name.append("_").append(resolutionItem);
  return name + ".bmp";
}

std::optional<EntryChoice> ReadEntryName(std::string_view name) {
  constexpr std::string_view kEnd = ".bmp";
  if (name.size() < 6 || (name[0] != 'T' && name[0] != 't') || name[1] < '1' || name[1] > '6') return std::nullopt;
  if (name.substr(name.size() - kEnd.size()) != kEnd && name.substr(name.size() - kEnd.size()) != ".BMP")
    return std::nullopt;
  const int variant = name[1] - '1';
  const std::string_view rest = name.substr(2, name.size() - 2 - kEnd.size());
  if (variant == kTestGridIndex) return rest.empty() ? std::optional<EntryChoice>({variant, ""}) : std::nullopt;
  for (std::string_view resolution : {"1024", "512", "256"})
    if (rest.size() == resolution.size() + 1 && rest[0] == '_' && rest.substr(1) == resolution)
      return EntryChoice{variant, std::string(resolution)};
  return std::nullopt;
}

std::string ChoiceText(int variantIndex, int resolutionIndex) {
  return std::to_string(variantIndex) + std::to_string(resolutionIndex);
}

const char* ChoiceSetting(Simulator simulator) {
  return simulator == Simulator::FS9 ? setting::kChoiceFS9 : setting::kChoiceFSX;
}

}  // namespace setup
