#include "app/InstallPlan.h"

#include "app/SettingNames.h"

namespace app {

std::string EntryName(int variantIndex, bool testGrid, std::string_view resolutionItem) {
  std::string name = "T" + std::to_string(variantIndex + 1);
  if (!testGrid) name.append("_").append(resolutionItem);
  return name + ".bmp";
}

std::vector<std::string> ProgressLines(char lang, bool backupNeeded, std::string_view variantText,
                                       std::string_view resolutionText) {
  std::vector<std::string> lines;
  if (backupNeeded) lines.push_back(PickText(lang, texts::kProgressBackup));
  std::string install = PickText(lang, texts::kProgressInstall);
  install.append(" ").append(variantText).append(" ").append(resolutionText);
  lines.push_back(std::move(install));
  return lines;
}

std::string BackupFailedText(char lang) { return PickText(lang, texts::kBackupFailed); }

std::string ExtractFailedText(char lang) { return PickText(lang, texts::kExtractFailed); }

std::string RenameFailedText(char lang, std::string_view entryName, std::string_view textureFolder) {
  std::string text = PickText(lang, texts::kRenameFailedStart);
  text.append(entryName).append(PickText(lang, texts::kRenameFailedMiddle)).append(textureFolder).append("\" !");
  return text;
}

std::string ChoiceText(int variantIndex, int resolutionIndex) {
  return std::to_string(variantIndex) + std::to_string(resolutionIndex);
}

const char* ChoiceSetting(Simulator simulator) {
  return simulator == Simulator::FS9 ? setting::kChoiceFS9 : setting::kChoiceFSX;
}

}  // namespace app
