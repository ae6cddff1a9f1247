// The survey of a main folder over the states its files can be in, each made on disk.
#include "setup/Survey.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <functional>

#include "core/Utf8.h"
#include "support/Setups.h"
#include "support/ZipFixtures.h"
#include "support/TempFolder.h"

namespace {

using setup::BackupFault;
using setup::BackupState;
using setup::TextureState;
using testing_support::MakeArchive;
using testing_support::PayloadBytes;
using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

// Bytes that do not compress, so that any byte of the deflated data is a byte of the file.
std::string Noise(size_t size) {
  std::string bytes(size, '\0');
  uint32_t x = 12345;
  for (char& c : bytes) c = static_cast<char>((x = x * 1103515245u + 12345u) >> 24);
  return bytes;
}

class SurveyTest : public ::testing::Test {
 protected:
  setup::SimulatorFiles Folder() {
    return {testing_support::MakeSimulatorFolder(temp_.path(), "sim" + std::to_string(++folders_), "FSX.exe"),
            payload_};
  }
  void Archive(const setup::SimulatorFiles& f, const std::string& entry, const std::string& bytes) const {
    MakeArchive(f.Backup(), temp_.path(), entry, bytes);
  }
  testing_support::TempFolder temp_;
  std::string payload_ = testing_support::MakePayload(temp_.path());
  int folders_ = 0;
};

TEST_F(SurveyTest, TellsTheTextureAndTheBackupApartInEveryState) {
  const std::string original = Noise(8000);
  struct Case {
    const char* what;
    std::function<void(const setup::SimulatorFiles&)> make;
    TextureState texture;
    BackupState backup;
    BackupFault fault = BackupFault::None;
  };
  const Case cases[] = {
      {"a first installation", [](const auto&) {}, TextureState::Other, BackupState::None},
      {"no texture, nothing saved", [](const auto& f) { DeleteFileW(core::Widen(f.Texture()).c_str()); },
       TextureState::Absent, BackupState::None},
      {"the original saved, ours in place",
       [&](const auto& f) {
         Archive(f, "detail1.bmp", original);
         WriteFileBytes(f.Texture(), PayloadBytes("T2_512.bmp"));
       },
       TextureState::Ours, BackupState::Original},
      {"the original saved and back in place",
       [&](const auto& f) {
         Archive(f, "detail1.bmp", original);
         WriteFileBytes(f.Texture(), original);
       },
       TextureState::Original, BackupState::Original},
      {"the original saved, another add-on's texture in place",
       [&](const auto& f) { Archive(f, "detail1.bmp", original); }, TextureState::Other, BackupState::Original},
      {"the saved texture's data damaged",
       [&](const auto& f) {
         Archive(f, "detail1.bmp", original);
         std::string bytes = ReadFileBytes(f.Backup());
         bytes[48] ^= 0x55;  // inside the deflated data, after the 30-byte header and the name
         WriteFileBytes(f.Backup(), bytes);
         WriteFileBytes(f.Texture(), PayloadBytes("T1_1024.bmp"));
       },
       TextureState::Ours, BackupState::Unusable, BackupFault::Damaged},
      {"not an archive", [](const auto& f) { WriteFileBytes(f.Backup(), "PK but nothing more"); }, TextureState::Other,
       BackupState::Unusable, BackupFault::Unreadable},
      {"another file only", [&](const auto& f) { Archive(f, "other.bmp", original); }, TextureState::Other,
       BackupState::NotOurs},
      {"a folder entry only",
       [](const auto& f) { WriteFileBytes(f.Backup(), testing_support::BuildZip({{.name = "textures/", .attributes = 0x10}})); },
       TextureState::Other, BackupState::NotOurs},
      {"the texture and another file",
       [&](const auto& f) {
         Archive(f, "detail1.bmp", original);
         MakeArchive(f.Backup(), temp_.path(), "readme.txt", "hello");
       },
       TextureState::Other, BackupState::NotOurs},
      {"a record, no texture",
       [&](const auto& f) {
         DeleteFileW(core::Widen(f.Texture()).c_str());
         Archive(f, "", "");
       },
       TextureState::Absent, BackupState::Record},
      {"a record, ours in place",
       [&](const auto& f) {
         Archive(f, "", "");
         WriteFileBytes(f.Texture(), PayloadBytes("T6.bmp"));
       },
       TextureState::Ours, BackupState::Record},
      {"a record, another add-on's texture in place", [&](const auto& f) { Archive(f, "", ""); }, TextureState::Other,
       BackupState::Record},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const setup::SimulatorFiles f = Folder();
    c.make(f);
    const setup::Survey survey = setup::SurveyFolder(f, setup::Simulator::FSX);
    EXPECT_TRUE(survey.mainFolder);
    EXPECT_TRUE(survey.payloadReadable);
    EXPECT_EQ(survey.texture, c.texture);
    EXPECT_EQ(survey.backup, c.backup);
    EXPECT_EQ(survey.backupFault, c.fault);
    EXPECT_EQ(survey.saved.has_value(), c.backup == BackupState::Original);
  }
}

TEST_F(SurveyTest, OurTextureIsNamedAndOnlyRecognisedWithTheRightPayload) {
  setup::SimulatorFiles f = Folder();
  WriteFileBytes(f.Texture(), PayloadBytes("T3_256.bmp"));
  EXPECT_EQ(setup::SurveyFolder(f, setup::Simulator::FSX).ourEntry, "T3_256.bmp");
  // Another simulator's marker: the folder is not that simulator's.
  EXPECT_FALSE(setup::SurveyFolder(f, setup::Simulator::FS9).mainFolder);

  for (const std::string& payload : {temp_.path() + "missing.bin", temp_.path() + "sim1\\FSX.exe"}) {
    SCOPED_TRACE(payload);
    f.payload = payload;
    const setup::Survey survey = setup::SurveyFolder(f, setup::Simulator::FSX);
    EXPECT_FALSE(survey.payloadReadable);
    EXPECT_EQ(survey.texture, TextureState::Unknown);
  }
}

TEST_F(SurveyTest, ATextureThatCannotBeReadIsSaidSo) {
  const setup::SimulatorFiles f = Folder();
  // Opened without sharing, as some programs hold a file for a moment.
  HANDLE held = CreateFileW(core::Widen(f.Texture()).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  EXPECT_EQ(setup::SurveyFolder(f, setup::Simulator::FSX).texture, TextureState::Unreadable);
  CloseHandle(held);
}

TEST_F(SurveyTest, LeftoversAreOnlyOurFiles) {
  const setup::SimulatorFiles f = Folder();
  const std::string ours = f.TextureFolder() + "T1_512.bmp", temporary = f.TextureFolder() + "detail1.bmp.~0badf00d.tmp";
  WriteFileBytes(ours, PayloadBytes("T1_512.bmp"));
  WriteFileBytes(temporary, "half");
  WriteFileBytes(f.TextureFolder() + "T2_512.bmp", "someone's own file of that name");
  WriteFileBytes(f.TextureFolder() + "notes.txt", "a user's");
  const std::string kept = f.main + "Pratilo_Other_Tex (2).zip.~00c0ffee.tmp";
  WriteFileBytes(kept, "half a copy");
  WriteFileBytes(f.main + "Pratilo_Other_Tex (2).zip", "a copy kept before");
  std::vector<std::string> found = setup::SurveyFolder(f, setup::Simulator::FSX).leftovers;
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<std::string>{kept, ours, temporary}));
}

TEST_F(SurveyTest, TheCacheReadsAgainWhenAFileChanges) {
  const setup::SimulatorFiles f = Folder();
  setup::SurveyCache cache;
  EXPECT_EQ(cache.Of(f, setup::Simulator::FSX).texture, TextureState::Other);
  WriteFileBytes(f.Texture(), PayloadBytes("T5_1024.bmp") + "x");  // another size
  EXPECT_EQ(cache.Of(f, setup::Simulator::FSX).texture, TextureState::Other);
  WriteFileBytes(f.Texture(), PayloadBytes("T5_1024.bmp"));
  EXPECT_EQ(cache.Of(f, setup::Simulator::FSX).texture, TextureState::Ours);
  Archive(f, "", "");
  EXPECT_EQ(cache.Of(f, setup::Simulator::FSX).backup, BackupState::Record);
}

}  // namespace
