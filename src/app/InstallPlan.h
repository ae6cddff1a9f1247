#pragma once
// STUB until merge
#include <string>
#include <string_view>
#include <vector>
#include "app/Texts.h"
namespace app {
inline std::string EntryName(int variantIndex, bool testGrid, std::string_view resolutionItem) {
  return "T" + std::to_string(variantIndex + 1) + (testGrid ? "" : "_" + std::string(resolutionItem)) + ".bmp";
}
inline std::vector<std::string> ProgressLines(char lang, bool backupNeeded, std::string_view v, std::string_view q) {
  std::vector<std::string> lines;
  if (backupNeeded) lines.push_back(PickText(lang, texts::kProgressBackup));
  lines.push_back(PickText(lang, texts::kProgressInstall) + " " + std::string(v) + " " + std::string(q));
  return lines;
}
inline std::string RenameFailedText(char lang, std::string_view entry, std::string_view folder) {
  return PickText(lang, texts::kRenameFailedStart) + std::string(entry) + PickText(lang, texts::kRenameFailedMiddle) + std::string(folder) + "\" !";
}
}
