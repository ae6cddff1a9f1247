#include "support/Runs.h"

#include <windows.h>

#include "core/Utf8.h"
#include "files/jobs/ArchiveJobs.h"
#include "support/TempFolder.h"

namespace testing_support {

namespace {

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

}  // namespace

std::string PayloadBytes(const std::string& entryName) { return "texture " + entryName + std::string(300, 'g'); }

RunTest::RunTest()
    : WizardTest([this](app::TfMain::Options& options) {
        options.halt = [this] { ++halts_; };
        options.payloadArchive = MakePayload(Temp().path());
      }) {}

RunTest::~RunTest() = default;

std::string RunTest::MakeSimulator(const std::string& name, const char* marker) const {
  std::string folder = MakeFolder(name, {marker});
  std::string path = folder;
  for (const char* part : {"Scenery\\", "World\\", "Texture\\"}) {
    path += part;
    CreateDirectoryW(core::Widen(path).c_str(), nullptr);
  }
  WriteFileBytes(Texture(folder), kOriginalTexture);
  return folder;
}

void MakeBackupOfOriginal(const std::string& folder, const std::string& scratch) {
  std::string saved = scratch + "saved\\";
  CreateDirectoryW(core::Widen(saved).c_str(), nullptr);
  WriteFileBytes(saved + "detail1.bmp", kOriginalTexture);
  files::AddToArchive(RunTest::Backup(folder), saved, "detail1.bmp");
}

}  // namespace testing_support
