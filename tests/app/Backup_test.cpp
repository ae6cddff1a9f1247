#include "app/Backup.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "core/Utf8.h"
#include "files/jobs/ArchiveJobs.h"
#include "support/Runs.h"
#include "support/TempFolder.h"

namespace {

using testing_support::FileExists;
using testing_support::PayloadBytes;
using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

class BackupTest : public testing_support::RunTest, public ::testing::Test {
 protected:
  app::SimulatorFiles Folder(const std::string& name) const { return {MakeFolder(name, {"FSX.exe"}), Payload()}; }
  // An archive in the folder's backup place holding `file` from a folder of its own, or nothing.
  void Archive(const app::SimulatorFiles& f, const std::string& file, const std::string& bytes) const {
    std::string source = Temp().path() + "source-" + std::to_string(++sources_) + "\\";
    CreateDirectoryW(core::Widen(source).c_str(), nullptr);
    if (!file.empty()) WriteFileBytes(source + file, bytes);
    files::AddToArchive(f.Backup(), source, file.empty() ? "detail1.bmp" : file);
  }
  mutable int sources_ = 0;
};

// Bytes that do not compress, so that any byte of the deflated data is a byte of the file.
std::string Noise(size_t size) {
  std::string bytes(size, '\0');
  uint32_t x = 12345;
  for (char& c : bytes) c = static_cast<char>((x = x * 1103515245u + 12345u) >> 24);
  return bytes;
}

TEST_F(BackupTest, OnlyABackupThatReadsBackOrARecordOfNoTextureCounts) {
  const std::string original = Noise(8000);
  struct Case {
    const char* what;
    std::function<void(const app::SimulatorFiles&)> make;
    app::BackupState expected;
  };
  const Case cases[] = {
      {"no archive", [](const auto&) {}, app::BackupState::None},
      {"the texture saved", [&](const auto& f) { Archive(f, "detail1.bmp", original); }, app::BackupState::Saved},
      {"the texture's data damaged",
       [&](const auto& f) {
         Archive(f, "detail1.bmp", original);
         std::string bytes = ReadFileBytes(f.Backup());
         bytes[48] ^= 0x55;  // inside the deflated data, after the 30-byte header and the name
         WriteFileBytes(f.Backup(), bytes);
       },
       app::BackupState::Unusable},
      {"not an archive", [](const auto& f) { WriteFileBytes(f.Backup(), "PK but nothing more"); },
       app::BackupState::Unusable},
      {"another file only", [&](const auto& f) { Archive(f, "other.bmp", original); }, app::BackupState::Unusable},
      {"no entry, no texture",
       [&](const auto& f) {
         DeleteFileW(core::Widen(f.Texture()).c_str());
         Archive(f, "", "");
       },
       app::BackupState::Record},
      {"no entry, our texture in place",
       [&](const auto& f) {
         Archive(f, "", "");
         WriteFileBytes(f.Texture(), PayloadBytes("T4_512.bmp"));
       },
       app::BackupState::Record},
      // The folder had no texture when the record was made; one put there since is someone else's.
      {"no entry, a texture of someone else's", [&](const auto& f) { Archive(f, "", ""); },
       app::BackupState::Unusable},
  };
  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    app::SimulatorFiles f{MakeSimulator("sim" + std::to_string(++n), "FSX.exe"), Payload()};
    c.make(f);
    EXPECT_EQ(app::InspectBackup(f), c.expected);
  }
}

TEST_F(BackupTest, AnUnusableBackupIsSetAsideWithoutReplacingAnEarlierOne) {
  app::SimulatorFiles f = Folder("fsx");
  WriteFileBytes(f.Backup(), "third");
  WriteFileBytes(f.main + "Pratilo_Original_Tex (unusable).zip", "first");
  WriteFileBytes(f.main + "Pratilo_Original_Tex (unusable 2).zip", "second");

  ASSERT_TRUE(app::SetAsideBackup(f.Backup()));
  EXPECT_FALSE(FileExists(f.Backup()));
  EXPECT_EQ(ReadFileBytes(f.main + "Pratilo_Original_Tex (unusable).zip"), "first");
  EXPECT_EQ(ReadFileBytes(f.main + "Pratilo_Original_Tex (unusable 2).zip"), "second");
  EXPECT_EQ(ReadFileBytes(f.main + "Pratilo_Original_Tex (unusable 3).zip"), "third");
  // A folder name with a dot does not take the extension's place.
  EXPECT_EQ(app::SetAsideName("C:\\FS.X\\backup", 1), "C:\\FS.X\\backup (unusable)");
}

}  // namespace
