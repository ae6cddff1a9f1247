#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "support/Runs.h"
#include "core/Settings.h"
#include "core/Utf8.h"
#include "support/DialogAnswerer.h"
#include "support/HeldFile.h"
#include "support/TempFolder.h"
#include "ui/dialogs/Application.h"

namespace {

using testing_support::kOriginalTexture;
using testing_support::PayloadBytes;
using testing_support::StoredSetting;
using testing_support::DialogAnswerer;
using testing_support::FileExists;
using testing_support::ReadFileBytes;

// Clicks a tool bar button the moment a status bar first shows progress: a user who clicks while a
// run is under way.
class ClickOnProgress {
 public:
  ClickOnProgress(HWND statusBar, HWND toolBar, int commandId)
      : statusBar_(statusBar), toolBar_(toolBar), commandId_(commandId) {
    SetWindowSubclass(statusBar_, &ClickOnProgress::Watch, 1, reinterpret_cast<DWORD_PTR>(this));
  }
  ~ClickOnProgress() { RemoveWindowSubclass(statusBar_, &ClickOnProgress::Watch, 1); }
  bool clicked() const { return clicked_; }

 private:
  static LRESULT CALLBACK Watch(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<ClickOnProgress*>(data);
    if (msg == SB_SETTEXTW && lp && *reinterpret_cast<const wchar_t*>(lp) && !self->clicked_) {
      self->clicked_ = true;
      RECT r{};
      SendMessageW(self->toolBar_, TB_GETRECT, self->commandId_, reinterpret_cast<LPARAM>(&r));
      LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
      PostMessageW(self->toolBar_, WM_LBUTTONDOWN, MK_LBUTTON, at);
      PostMessageW(self->toolBar_, WM_LBUTTONUP, 0, at);
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  HWND statusBar_, toolBar_;
  int commandId_;
  bool clicked_ = false;
};

class Uninstall : public testing_support::RunTest, public ::testing::Test {
 protected:
  void SetUp() override {
    ui::App().Initialize();
    w().SetLanguage('E');
    fsx = MakeSimulator("FSX", "FSX.exe");
    fs9 = MakeSimulator("FS9", "FS9.exe");
    for (const std::string& folder : {fsx, fs9}) {
      MakeBackupOfOriginal(folder);
      testing_support::WriteFileBytes(Texture(folder), testing_support::PayloadBytes("T4_512.bmp"));
    }
    w().FolderFSX = fsx;
    w().FolderFS9 = fs9;
    core::WriteSetting("cfgFSX", "31");
    Click(w().rbFSX.Handle());
    ASSERT_TRUE(w().b0.Enabled());
  }
  // Presses b0 and answers the question; gives the boxes seen with the program's caption.
  std::vector<DialogAnswerer::Seen> UninstallAnswering(int answer) {
    DialogAnswerer question(L"Uninstall Pratilo", answer);
    DialogAnswerer message(L"Pratilo", IDOK);
    Click(w().b0.Handle());
    EXPECT_EQ(question.Finish().size(), 1u);
    return message.Finish();
  }
  std::string fsx, fs9;
};

TEST_F(Uninstall, RestoresTheOriginalRemovesTheBackupAndEnds) {
  std::string fs9Texture = ReadFileBytes(Texture(fs9));
  std::string fs9Backup = ReadFileBytes(Backup(fs9));
  auto seen = UninstallAnswering(IDYES);

  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "Pratilo uninstalled, original textures restored.");
  EXPECT_EQ(ReadFileBytes(Texture(fsx)), kOriginalTexture);
  EXPECT_FALSE(FileExists(Backup(fsx)));
  EXPECT_EQ(w().Handle(), nullptr);  // the window has closed
  // The other simulator is left alone, and every remembered value stays.
  EXPECT_EQ(ReadFileBytes(Texture(fs9)), fs9Texture);
  EXPECT_EQ(ReadFileBytes(Backup(fs9)), fs9Backup);
  EXPECT_EQ(StoredSetting("cfgFSX"), "31");
  EXPECT_EQ(StoredSetting("FS"), "X");
}

TEST_F(Uninstall, TheWindowTakesNoInputWhileTheRestorationRuns) {
  ClickOnProgress click(w().sb0.Handle(), w().tb.Handle(), w().bFrench.CommandId());
  auto seen = UninstallAnswering(IDYES);
  EXPECT_TRUE(click.clicked());
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(ReadFileBytes(Texture(fsx)), kOriginalTexture);
  // The click on the French button came while the run was under way: it did not count.
  EXPECT_EQ(w().Lang, 'E');
  EXPECT_EQ(StoredSetting("Langue"), "E");
}

TEST_F(Uninstall, AnsweringNoChangesNothing) {
  auto seen = UninstallAnswering(IDNO);
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(ReadFileBytes(Texture(fsx)), PayloadBytes("T4_512.bmp"));
  EXPECT_TRUE(FileExists(Backup(fsx)));
  EXPECT_NE(w().Handle(), nullptr);
  EXPECT_FALSE(w().sb0.Visible());
}

TEST_F(Uninstall, ABackupGoneSinceTheChoiceDeletesAndAnnouncesNothing) {
  DeleteFileW(core::Widen(Backup(fsx)).c_str());
  auto seen = UninstallAnswering(IDYES);
  EXPECT_TRUE(seen.empty());
  EXPECT_EQ(ReadFileBytes(Texture(fsx)), PayloadBytes("T4_512.bmp"));
  EXPECT_FALSE(w().sb0.Visible());
  EXPECT_FALSE(w().b0.Enabled());
  EXPECT_NE(w().Handle(), nullptr);
}

TEST_F(Uninstall, ADamagedBackupIsReportedAndThePageButtonsComeBack) {
  testing_support::WriteFileBytes(Backup(fsx), "this is no zip archive at all, just text");
  std::string damaged = ReadFileBytes(Backup(fsx));
  DialogAnswerer question(L"Uninstall Pratilo", IDYES);
  DialogAnswerer error(L"Pratilo", IDOK);
  Click(w().b0.Handle());
  question.Finish();
  const auto seen = error.Finish();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "ERROR : The backup Pratilo_Original_Tex.zip is damaged: nothing was changed, it is kept.");
  EXPECT_EQ(ReadFileBytes(Texture(fsx)), PayloadBytes("T4_512.bmp"));
  EXPECT_FALSE(w().sb0.Visible());
  EXPECT_EQ(ReadFileBytes(Backup(fsx)), damaged);
  EXPECT_NE(w().Handle(), nullptr);
}

TEST_F(Uninstall, AHeldTextureKeepsTheBackupAndTellsTheUser) {
  // The simulator is started once the restoration is under way.
  testing_support::HoldOnProgress held(w().sb0.Handle(), Texture(fsx));
  // The archive may ask about the file it cannot replace: give up on it, as a user might.
  DialogAnswerer fileQuestion(L"Confirmation", IDIGNORE);
  auto seen = UninstallAnswering(IDYES);
  fileQuestion.Finish();
  EXPECT_TRUE(held.held());
  held.Release();

  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "ERROR : Unable to restore the original texture, the backup Pratilo_Original_Tex.zip is kept !");
  EXPECT_TRUE(FileExists(Backup(fsx)));
  EXPECT_EQ(ReadFileBytes(Texture(fsx)), PayloadBytes("T4_512.bmp"));
  EXPECT_FALSE(w().sb0.Visible());
  EXPECT_NE(w().Handle(), nullptr);
}

TEST_F(Uninstall, TheStatusBarCoversThePageButtons) {
  w().sb0.SetVisible(true);
  RECT r;
  GetWindowRect(w().s0.Handle(), &r);
  POINT inside{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ScreenToClient(w().ts0.Handle(), &inside);
  EXPECT_EQ(ChildWindowFromPointEx(w().ts0.Handle(), inside, CWP_SKIPINVISIBLE), w().sb0.Handle());
}

}  // namespace
