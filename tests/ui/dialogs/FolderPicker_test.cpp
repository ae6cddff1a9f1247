// The system's folder picker, answered as a user answers it.
#include "ui/dialogs/FolderPicker.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "core/Utf8.h"
#include "support/DialogAnswerer.h"
#include "support/FolderPickerChoice.h"
#include "support/TempFolder.h"
#include "ui/widgets/Form.h"

namespace {

using testing_support::DialogAnswerer;

using testing_support::kFolderPickerTitle;

TEST(FolderPicker, GivesTheFolderTheUserChoseAndNothingOnCancel) {
  ui::Form owner;  // as the wizard owns it
  ASSERT_TRUE(
      owner.Create({.className = L"FolderPickerTest", .name = "fTest", .clientWidth = 200, .clientHeight = 100}));
  owner.Show();
  testing_support::TempFolder temp("picker");
  const std::string start = temp / "Flight Simulator X";
  const std::string chosen = temp / "Jeux été";
  for (const std::string& folder : {start, chosen})
    ASSERT_TRUE(CreateDirectoryW(core::Widen(folder).c_str(), nullptr));
  {
    DialogAnswerer ok(kFolderPickerTitle, std::vector<int>{IDOK}, testing_support::ChoosingFolder(chosen));
    EXPECT_EQ(ui::PickFolder(owner.Handle(), "Dossier principal de FSX :", start), chosen);
    auto seen = ok.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Dossier principal de FSX :");
  }
  DialogAnswerer cancel(kFolderPickerTitle, IDCANCEL);
  EXPECT_EQ(ui::PickFolder(owner.Handle(), "Dossier principal de FSX :", start), "");
  EXPECT_EQ(cancel.Finish().size(), 1u);
}

}  // namespace
