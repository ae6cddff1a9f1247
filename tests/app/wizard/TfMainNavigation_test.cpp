#include <gtest/gtest.h>

#include <windows.h>

#include "support/Wizard.h"
#include "core/Utf8.h"
#include "support/DialogAnswerer.h"
#include "support/FolderPickerChoice.h"
#include "ui/dialogs/Application.h"
#include "support/Gui.h"

namespace {

using testing_support::DialogAnswerer;

class Navigation : public testing_support::WizardTest, public ::testing::Test {
 protected:
  void SetUp() override {
    ui::App().Initialize();
    w().SetLanguage('E');
    w().FolderFSX = MakeFolder("FSX", {"FSX.exe"});
    Click(w().rbFSX.Handle());
  }
  ui::Page* Page() { return w().pc.ActivePage(); }
  void Key(HWND target, WPARAM key) {
    PostMessageW(target, WM_KEYDOWN, key, 0);
    ui::App().ProcessMessages();
  }
};

TEST_F(Navigation, TheLicenceBoxGatesNextUntilTheAgreementIsGiven) {
  Click(w().s0.Handle());
  ASSERT_EQ(Page(), &w().ts1);
  EXPECT_FALSE(w().s1.Enabled());
  Click(w().cb1.Handle());
  EXPECT_TRUE(w().s1.Enabled());
  Click(w().cb1.Handle());
  EXPECT_FALSE(w().s1.Enabled());
  Click(w().cb1.Handle());
  Click(w().s1.Handle());
  ASSERT_EQ(Page(), &w().ts2);
  // Given once, it stays given for this run: back on the licence there is nothing to tick.
  Click(w().p2.Handle());
  ASSERT_EQ(Page(), &w().ts1);
  EXPECT_FALSE(w().cb1.Visible());
  EXPECT_TRUE(w().s1.Enabled());
}

TEST_F(Navigation, NextAndPreviousWalkThePagesAndTheTestGridSkipsTheResolution) {
  struct Case {
    int variant;
    ui::Page* afterVariant;
  };
  for (const Case& c : {Case{1, &w().ts4}, Case{5, &w().ts6}}) {
    SCOPED_TRACE(c.variant);
    w().pc.SetActivePage(w().ts2);
    w().rg2v.SetSelectedIndex(c.variant);
    w().Clic(w().rg2v);
    Click(w().s2.Handle());
    EXPECT_EQ(Page(), c.afterVariant);
    if (Page() == &w().ts4) Click(w().s4.Handle());
    ASSERT_EQ(Page(), &w().ts6);
    Click(w().p6.Handle());
    EXPECT_EQ(Page(), c.variant == 5 ? &w().ts2 : &w().ts4);
  }
}

TEST_F(Navigation, SummaryLinksJumpWithoutRunningThePageChange) {
  MakeEveryPage();  // the licence page's box is there before any page change
  w().pc.SetActivePage(w().ts6);
  ASSERT_TRUE(w().cb1.Visible());
  w().Clic(w().l6v);
  EXPECT_EQ(Page(), &w().ts2);
  EXPECT_TRUE(w().cb1.Visible());  // the page change, which would hide it, did not run
  w().pc.SetActivePage(w().ts6);
  w().Clic(w().l6q);
  EXPECT_EQ(Page(), &w().ts4);
}

TEST_F(Navigation, QuitAsksFirstAndYesCloses) {
  {
    DialogAnswerer answerer(L"Pratilo", IDNO);
    Click(w().q0.Handle());
    auto seen = answerer.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Do you want to cancel this setup ?");
    EXPECT_FALSE(seen[0].hasIcon);
    EXPECT_NE(w().Handle(), nullptr);
  }
  DialogAnswerer answerer(L"Pratilo", IDYES);
  Click(w().q0.Handle());
  answerer.Finish();
  EXPECT_EQ(w().Handle(), nullptr);
}

// What Alt+F4 and the system menu's Close send: the same question as Quit, on the pages that offer it.
TEST_F(Navigation, AltF4AsksAsQuitDoes) {
  {
    DialogAnswerer answerer(L"Pratilo", IDNO);
    SendMessageW(w().Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    const auto seen = answerer.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Do you want to cancel this setup ?");
    EXPECT_NE(w().Handle(), nullptr);
  }
  Click(w().s0.Handle());
  ASSERT_EQ(Page(), &w().ts1);
  DialogAnswerer answerer(L"Pratilo", IDYES);
  SendMessageW(w().Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(answerer.Finish().size(), 1u);
  EXPECT_EQ(w().Handle(), nullptr);
}

TEST_F(Navigation, EscapeInARichTextNeverDestroysItsPage) {
  SetFocus(w().re0.Handle());
  Key(w().re0.Handle(), VK_ESCAPE);
  // The rich edit closes its parent on Escape; the page must survive it.
  SendMessageW(w().re0.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(IsWindow(w().ts0.Handle()));
  EXPECT_TRUE(IsWindow(w().re0.Handle()));
  EXPECT_EQ(Page(), &w().ts0);
  // On the licence page Escape is Previous, whichever control has the focus.
  Click(w().s0.Handle());
  SetFocus(w().re1.Handle());
  Key(w().re1.Handle(), VK_ESCAPE);
  EXPECT_EQ(Page(), &w().ts0);
  EXPECT_TRUE(IsWindow(w().ts1.Handle()));
}

TEST_F(Navigation, EnterPressesTheDefaultButtonOfTheActivePage) {
  SetFocus(w().rbFSX.Handle());
  Key(w().rbFSX.Handle(), VK_RETURN);
  EXPECT_EQ(Page(), &w().ts1);
}

TEST_F(Navigation, TheTabsNeverChangeThePage) {
  RECT tab{};
  SendMessageW(w().pc.Handle(), TCM_GETITEMRECT, 5, reinterpret_cast<LPARAM>(&tab));
  LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
  SendMessageW(w().pc.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(w().pc.Handle(), WM_LBUTTONUP, 0, at);
  testing_support::Pump();
  EXPECT_EQ(Page(), &w().ts0);
  SendMessageW(w().pc.Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  testing_support::Pump();
  EXPECT_EQ(Page(), &w().ts0);
  EXPECT_EQ(w().pc.ActivePageIndex(), 0);
}

}  // namespace

namespace {

// The picker opens at the folder in the field; the user picks another one there.
TEST_F(Navigation, ThePickedFolderIsTakenOnlyWhenItIsTheSimulatorsMainFolder) {
  const std::string fsx = w().FolderFSX;
  const std::string notMain = MakeFolder("Documents", {"readme.txt"});
  const std::string otherFsx = MakeFolder("Other FSX", {"FSX.exe"});
  WalkToSummary(w().rbFSX);
  for (const std::string& picked : {notMain, otherFsx}) {
    SCOPED_TRACE(picked);
    DialogAnswerer picker(testing_support::kFolderPickerTitle, std::vector<int>{IDOK},
                          testing_support::ChoosingFolder(picked));
    DialogAnswerer warning(core::Widen(ui::App().Title()), IDOK);
    Click(w().b6.Handle());
    EXPECT_EQ(picker.Finish().size(), 1u);
    auto warned = warning.Finish();
    if (picked == notMain) {
      ASSERT_EQ(warned.size(), 1u);
      EXPECT_EQ(warned[0].text, "This folder is not the FSX main folder !");
      EXPECT_EQ(warned[0].icon, LoadIconW(nullptr, IDI_EXCLAMATION));
      EXPECT_EQ(w().e6.Text(), fsx);
    } else {
      EXPECT_TRUE(warned.empty());
      EXPECT_EQ(w().e6.Text(), otherFsx);
      EXPECT_EQ(w().FolderFSX, otherFsx);
    }
  }
}

}  // namespace
