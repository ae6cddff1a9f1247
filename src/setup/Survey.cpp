#include "setup/Survey.h"

#include <windows.h>

#include <algorithm>

#include "core/Utf8.h"
#include "files/ZipNames.h"
#include "setup/Leftovers.h"

namespace setup {
namespace {

struct BackupFacts {
  BackupState state = BackupState::None;
  BackupFault fault = BackupFault::None;
  std::optional<files::FileStamp> saved;
};

BackupFacts SurveyBackup(const std::string& archive) {
  if (!FileExists(archive)) return {};
  const auto entries = files::ArchiveEntries(archive);
  if (!entries) return {BackupState::Unusable, BackupFault::Unreadable, {}};
  if (entries->empty()) return {BackupState::Record, BackupFault::None, {}};
  const files::FileStamp& only = entries->front();
  if (entries->size() != 1 || only.folder || !files::zip::SameEntryName(only.name, kTextureName))
    return {BackupState::NotOurs, BackupFault::None, {}};
  switch (files::ReadBackEntry(archive, kTextureName)) {
    case files::EntryReadBack::Intact: return {BackupState::Original, BackupFault::None, only};
    case files::EntryReadBack::Damaged: return {BackupState::Unusable, BackupFault::Damaged, {}};
    default: return {BackupState::Unusable, BackupFault::Unreadable, {}};
  }
}

}  // namespace

std::optional<files::FileStamp> Survey::PayloadEntry(const std::string& name) const {
  for (auto entry = payloadEntries.rbegin(); entry != payloadEntries.rend(); ++entry)
    if (files::zip::SameEntryName(entry->name, name)) return *entry;
  return std::nullopt;
}

Survey SurveyFolder(const SimulatorFiles& files, Simulator simulator) {
  Survey survey;
  survey.mainFolder = IsMainFolder(files.main, simulator);
  if (auto entries = files::FileEntries(files.payload); entries && !entries->empty()) {
    survey.payloadReadable = true;
    survey.payloadEntries = std::move(*entries);
  }
  const BackupFacts backup = SurveyBackup(files.Backup());
  survey.backup = backup.state;
  survey.backupFault = backup.fault;
  survey.saved = backup.saved;

  if (!FileExists(files.Texture())) {
    survey.texture = TextureState::Absent;
  } else if (const auto texture = files::StampOfFile(files.Texture()); !texture) {
    survey.texture = TextureState::Unreadable;
  } else if (survey.saved && survey.saved->SameContent(*texture)) {
    survey.texture = TextureState::Original;
  } else if (!survey.payloadReadable) {
    survey.texture = TextureState::Unknown;
  } else {
    const auto ours = std::find_if(survey.payloadEntries.begin(), survey.payloadEntries.end(),
                                   [&](const files::FileStamp& entry) { return entry.SameContent(*texture); });
    survey.texture = ours == survey.payloadEntries.end() ? TextureState::Other : TextureState::Ours;
    if (ours != survey.payloadEntries.end()) survey.ourEntry = ours->name;
  }
  survey.leftovers = FindLeftovers(files, survey.payloadEntries);
  return survey;
}

namespace {

// What identifies a file's state for the cache: its path, size, time and attributes.
void AppendIdentity(std::string& key, const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(core::Widen(path).c_str(), GetFileExInfoStandard, &data)) data = {};
  key += path;
  key.append(reinterpret_cast<const char*>(&data), sizeof data);
}

}  // namespace

const Survey& SurveyCache::Of(const SimulatorFiles& files, Simulator simulator) {
  std::string key(1, static_cast<char>(simulator));
  for (const std::string& path : {files.main + MarkerOf(simulator), files.payload, files.Backup(), files.Texture(),
                                  files.TextureFolder()})
    AppendIdentity(key, path);
  if (!survey_ || key != key_) {
    survey_ = SurveyFolder(files, simulator);
    key_ = std::move(key);
  }
  return *survey_;
}

}  // namespace setup
