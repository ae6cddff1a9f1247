#include "support/Setups.h"

#include <windows.h>

#include "core/Environment.h"
#include "core/Settings.h"
#include "core/Utf8.h"
#include "files/jobs/ArchiveJobs.h"
#include "support/RegistryFixture.h"
#include "support/TempFolder.h"

namespace testing_support {

void InitTestEnvironment() {
  static const bool ready = [] {
    core::InitEnvironment();
    return true;
  }();
  (void)ready;
}

namespace {
const bool environmentReady = (InitTestEnvironment(), true);
}  // namespace

std::string PayloadBytes(const std::string& entryName) { return "texture " + entryName + std::string(300, 'g'); }

std::string MakePayload(const std::string& folder) {
  std::string files = folder + "payload-files\\";
  CreateDirectoryW(core::Widen(files).c_str(), nullptr);
  for (int v = 1; v <= 5; ++v)
    for (const char* size : {"1024", "512", "256"}) {
      std::string name = "T" + std::to_string(v) + "_" + size + ".bmp";
      WriteFileBytes(files + name, PayloadBytes(name));
    }
  WriteFileBytes(files + "T6.bmp", PayloadBytes("T6.bmp"));
  std::string payload = folder + "Pratilo.bin";
  files::AddToArchive(payload, files, "*.bmp");
  return payload;
}

std::string MakeSimulatorFolder(const std::string& parent, const std::string& name, const char* marker) {
  const std::string folder = parent + name + "\\";
  WriteFileBytes(folder + marker, "x");
  WriteFileBytes(TextureOf(folder), kOriginalTexture);
  return folder;
}

void MakeArchive(const std::string& archive, const std::string& scratch, const std::string& entry,
                 const std::string& bytes) {
  static int sources = 0;
  const std::string source = scratch + "source-" + std::to_string(++sources) + "\\";
  CreateDirectoryW(core::Widen(source).c_str(), nullptr);
  if (!entry.empty()) WriteFileBytes(source + entry, bytes);
  files::AddToArchive(archive, source, entry.empty() ? "detail1.bmp" : entry);
}

void MakeBackupOfOriginal(const std::string& folder, const std::string& scratch) {
  MakeArchive(BackupOf(folder), scratch, "detail1.bmp", kOriginalTexture);
}

std::string StoredSetting(const char* name) {
  DWORD type = 0;
  std::wstring data;
  const std::wstring key = core::Widen(core::SettingsKeyPath().substr(1));
  if (!GetRawValue(HKEY_CURRENT_USER, key, core::Widen(name), type, data) || type != REG_SZ) return "<missing>";
  while (!data.empty() && data.back() == L'\0') data.pop_back();
  return core::Narrow(data);
}

}  // namespace testing_support
