// The question after a failure on one file, as a real message box answered by pressing its buttons.
#include "ui/dialogs/FailureQuestion.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "core/Utf8.h"
#include "files/ZipArchiver.h"
#include "support/DialogAnswerer.h"
#include "support/ZipFixtures.h"

using namespace testing_support;
using files::TZAAction;

TEST(FailureQuestion, ShowsFrenchButtonsInOrderAndGivesTheAnswerPressed) {
  struct Case {
    int button;
    TZAAction action;
  };
  const Case cases[] = {{IDABORT, TZAAction::fxaAbort}, {IDRETRY, TZAAction::fxaRetry}, {IDIGNORE, TZAAction::fxaIgnore}};
  for (const auto& c : cases) {
    DialogAnswerer answerer(L"Confirmation", c.button);
    EXPECT_EQ(ui::AskFileFailureQuestion("Write to stream error - Native error: 00046"), c.action) << c.button;
    auto seen = answerer.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Write to stream error - Native error: 00046. File processing error, possibly disk is full");
    EXPECT_EQ(seen[0].buttons, (std::vector<std::string>{"&Abandonner", "&Retenter", "&Ignorer"}));
    EXPECT_TRUE(seen[0].hasIcon);
    EXPECT_TRUE(seen[0].questionIcon);
  }
}

TEST(FailureQuestion, AnswersAFailedFileForTheComponent) {
  TempFolder dir;
  Bytes data = TextBytes(500);
  WriteFileBytes(dir / "t.zip", BuildZip({{"bad.txt", data, 0, 0, Crc(data) ^ 7}, {"good.txt", "good"}}));
  WriteFileBytes(dir / "out\\bad.txt", "old");
  files::TZipBaseArchiver zip;
  zip.OnProcessFileFailure = ui::AskAboutFailedFile;
  zip.FileName = dir / "t.zip";
  zip.BaseDir = dir / "out";
  zip.OpenZip();
  {
    DialogAnswerer answerer(L"Confirmation", IDIGNORE);
    zip.ExtractMatching("*");
    auto seen = answerer.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Invalid size or check sum of file or unsupported compression format - Native error: 00008. "
                            "File processing error, possibly disk is full");
  }
  EXPECT_EQ(ReadFileBytes(dir / "out\\bad.txt"), "old");
  EXPECT_EQ(ReadFileBytes(dir / "out\\good.txt"), "good");
  {
    // Retry asks again for the same file; Abort then ends the request before the next file.
    RemoveTree(dir / "out\\good.txt");
    DialogAnswerer retry(L"Confirmation", IDRETRY);
    int asked = 0;
    zip.OnProcessFileFailure = [&](files::TZipBaseArchiver&, const std::string&, files::TZAProcessOperation,
                                   const files::EZAException&) {
      return ++asked < 3 ? TZAAction::fxaRetry : TZAAction::fxaAbort;
    };
    zip.ExtractMatching("*");
    EXPECT_EQ(asked, 3);
    EXPECT_TRUE(retry.Finish().empty()) << "another handler replaces the question";
    EXPECT_FALSE(PathExists(dir / "out\\good.txt"));
  }
}

TEST(FailureQuestion, RetryAsksAgainAboutTheSameFileUntilAnotherAnswer) {
  TempFolder dir;
  Bytes data = TextBytes(300);
  WriteFileBytes(dir / "t.zip", BuildZip({{"bad.txt", data, 0, 0, Crc(data) ^ 1}, {"good.txt", "good"}}));
  files::TZipBaseArchiver zip;
  zip.OnProcessFileFailure = ui::AskAboutFailedFile;
  zip.FileName = dir / "t.zip";
  zip.BaseDir = dir / "out";
  zip.OpenZip();
  DialogAnswerer answerer(L"Confirmation", std::vector<int>{IDRETRY, IDRETRY, IDIGNORE});
  zip.ExtractMatching("*");
  auto seen = answerer.Finish();
  ASSERT_EQ(seen.size(), 3u) << "two retries, then the file is skipped";
  for (const auto& box : seen) EXPECT_NE(box.text.find("Native error: 00008"), std::string::npos) << box.text;
  EXPECT_EQ(seen[2].pressed, IDIGNORE);
  EXPECT_FALSE(PathExists(dir / "out\\bad.txt"));
  EXPECT_EQ(ReadFileBytes(dir / "out\\good.txt"), "good");
}
