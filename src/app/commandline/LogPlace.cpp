#include "app/commandline/LogPlace.h"

#include <windows.h>

#include "app/texts/Texts.h"
#include "core/ErrorText.h"
#include "core/PathTests.h"
#include "core/TextTools.h"
#include "core/Utf8.h"
#include "files/FileHandle.h"
#include "setup/SimulatorFiles.h"

namespace app {
namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view start) {
  return text.size() >= start.size() && core::SameTextIgnoringCase(text.substr(0, start.size()), start);
}

// The full path in its long form, so that a short (8.3) name names the same file as the long one.
std::string Normalised(const std::string& path) {
  std::wstring full = files::FullPath(core::Widen(path));
  std::wstring longer(MAX_PATH, L'\0');
  for (DWORD size = GetLongPathNameW(full.c_str(), longer.data(), static_cast<DWORD>(longer.size()));
       size != 0; size = GetLongPathNameW(full.c_str(), longer.data(), static_cast<DWORD>(longer.size()))) {
    if (size < longer.size()) return core::Narrow(longer.substr(0, size));
    longer.resize(size);
  }
  return core::Narrow(full);
}

}  // namespace

bool IsRunFile(std::string_view logPath, const RunFiles& run) {
  if (core::SameTextIgnoringCase(logPath, run.program) || core::SameTextIgnoringCase(logPath, run.payload)) return true;
  if (run.main.empty()) return false;
  const size_t slash = logPath.find_last_of('\\');
  const std::string_view folder = logPath.substr(0, slash + 1), name = logPath.substr(slash + 1);
  const std::string textureFolder = run.main + setup::kTextureSubfolder;
  if (core::SameTextIgnoringCase(folder, textureFolder)) {
    std::vector<std::string> targets = run.entries;
    targets.push_back(setup::kTextureName);
    for (const std::string& target : targets)
      if (core::SameTextIgnoringCase(name, target) || files::IsTempNameFor(core::Widen(target), core::Widen(name)))
        return true;
  }
  if (!core::SameTextIgnoringCase(folder, run.main)) return false;
  if (core::SameTextIgnoringCase(name, run.marker)) return true;
  // The backup, what is set aside beside it and the kept textures, with their temporaries.
  for (std::string_view archive : {setup::kBackupName, setup::kKeptOtherName}) {
    const std::string_view stem = archive.substr(0, archive.size() - 4);
    if (StartsWithIgnoringCase(name, stem)) return true;
  }
  return false;
}

std::string LogPlaceProblem(char lang, const std::string& logPath, const RunFiles& run) {
  const std::string full = Normalised(logPath);
  if (core::FolderExists(full))
    return PickText(lang, "Le journal ne peut pas être un dossier : ", "The log cannot be a folder: ") + full;
  RunFiles normalised = run;
  for (std::string* path : {&normalised.program, &normalised.payload, &normalised.main})
    if (!path->empty()) *path = Normalised(*path);
  if (!normalised.main.empty() && normalised.main.back() != '\\') normalised.main += '\\';
  if (IsRunFile(full, normalised))
    return PickText(lang, "Le journal ne peut pas être un fichier de l'installation : ",
                    "The log cannot be one of the installation's own files: ") +
           full;
  HANDLE file = CreateFileW(core::Widen(full).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    const DWORD error = GetLastError();
    return PickText(lang, "Je ne peux pas écrire le journal ", "Unable to write the log ") + full + " : " +
           core::SystemErrorText(error);
  }
  CloseHandle(file);
  return {};
}

}  // namespace app
