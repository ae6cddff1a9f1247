#include "ui/dialogs/Application.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "core/Environment.h"
#include "core/Utf8.h"
#include "support/DialogAnswerer.h"
#include "support/Gui.h"
#include "ui/dialogs/MessageBoxes.h"
#include "ui/widgets/Button.h"
#include "ui/widgets/Edit.h"
#include "ui/widgets/Form.h"

namespace {

// Not the program's own title: a running Pratilo.exe must never take a test for another copy of itself.
constexpr char kTitle[] = "Pratilo (essai)";
constexpr wchar_t kWideTitle[] = L"Pratilo (essai)";

using testing_support::DialogAnswerer;

struct Window {
  ui::Form form;
  ui::Button button;
  ui::Edit edit;
  explicit Window(ui::Frame frame = ui::Frame::Tool, HWND owner = nullptr, bool topMost = false) {
    ui::App().Initialize();
    form.Create({.className = L"TPratiloTestForm", .name = "fTest", .caption = "Test", .clientWidth = 300,
                 .clientHeight = 120, .frame = frame, .owner = owner, .topMost = topMost});
    button.Create({.parent = form.Handle(), .bounds = {8, 8, 75, 25}, .name = "b", .text = "Go"});
    edit.Create({.parent = form.Handle(), .bounds = {8, 40, 120, 21}, .name = "e"});
    form.AddDefaultButton(button);
    form.Show();
  }
};

struct ApplicationTest : ::testing::Test {
  void SetUp() override {
    core::InitEnvironment();
    ui::App().Initialize();
    ui::App().SetTitle(kTitle);
  }
  void TearDown() override { ui::App().SetMainForm(nullptr); }
};

TEST_F(ApplicationTest, StandsForTheProgramWithAHiddenWindowOfItsOwnClassAndTitle) {
  HWND app = ui::App().Handle();
  ASSERT_NE(app, nullptr);
  EXPECT_FALSE(IsWindowVisible(app));
  wchar_t buffer[256]{};
  GetClassNameW(app, buffer, 256);
  EXPECT_STREQ(buffer, ui::kApplicationClass);
  GetWindowTextW(app, buffer, 256);
  EXPECT_STREQ(buffer, kWideTitle);
  ui::App().SetTitle("Autre");
  GetWindowTextW(app, buffer, 256);
  EXPECT_STREQ(buffer, L"Autre");
  EXPECT_EQ(ui::App().Title(), "Autre");
}

TEST_F(ApplicationTest, ProcessMessagesRoutesKeysThroughTheFormsRules) {
  Window w;
  int clicks = 0;
  w.button.onClick = [&] { ++clicks; };
  SetFocus(w.edit.Handle());
  PostMessageW(w.edit.Handle(), WM_KEYDOWN, VK_RETURN, 0);
  ui::App().ProcessMessages();
  EXPECT_EQ(clicks, 1);
}

TEST_F(ApplicationTest, ProcessMessagesLeavesAQuitForTheMainLoop) {
  PostQuitMessage(3);
  ui::App().ProcessMessages();
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(ApplicationTest, RunReturnsOnceTheMainWindowIsClosed) {
  Window w;
  ui::App().SetMainForm(&w.form);
  PostMessageW(w.form.Handle(), WM_CLOSE, 0, 0);
  ui::App().Run();  // would wait for ever if the closing did not wake it
  EXPECT_EQ(w.form.Handle(), nullptr);
}

TEST_F(ApplicationTest, AThrowingHandlerShowsItsTextAndTheWindowGoesOn) {
  Window w;
  ui::App().SetMainForm(&w.form);
  int clicks = 0;
  w.button.onClick = [&] {
    if (++clicks == 1) throw std::runtime_error("Le disque est plein");
  };
  DialogAnswerer answerer(kWideTitle, IDOK);
  SendMessageW(w.button.Handle(), BM_CLICK, 0, 0);  // a real click, through the window procedure
  auto seen = answerer.Finish();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "Le disque est plein");
  EXPECT_TRUE(seen[0].hasIcon);
  // Still answering: the next click runs the handler again and the form's state is intact.
  SendMessageW(w.button.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(IsWindowEnabled(w.form.Handle()));
  w.edit.SetText("ok");
  EXPECT_EQ(w.edit.Text(), "ok");
}

TEST_F(ApplicationTest, AnErrorOfAnUnknownKindIsShownToo) {
  Window w;
  w.button.onClick = [] { throw 42; };
  DialogAnswerer answerer(kWideTitle, IDOK);
  w.button.Click();
  auto seen = answerer.Finish();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_FALSE(seen[0].text.empty());
}

TEST_F(ApplicationTest, ShowModalGivesTheResultTheFormWasGiven) {
  Window owner;
  Window dialog(ui::Frame::ToolWithClose);
  bool ownerEnabledDuringDialog = true;
  dialog.button.onClick = [&] {
    ownerEnabledDuringDialog = IsWindowEnabled(owner.form.Handle());
    dialog.form.SetModalResult(-1);
  };
  PostMessageW(dialog.button.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(ui::App().ShowModal(dialog.form), -1);
  EXPECT_FALSE(ownerEnabledDuringDialog);
  EXPECT_TRUE(IsWindowEnabled(owner.form.Handle()));
  EXPECT_FALSE(IsWindowVisible(dialog.form.Handle()));
  EXPECT_FALSE(dialog.form.Modal());
}

TEST_F(ApplicationTest, ShowModalGivesCancelForTheCloseBoxAndWhenTheProgramEnds) {
  Window dialog(ui::Frame::ToolWithClose);
  PostMessageW(dialog.form.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(ui::App().ShowModal(dialog.form), ui::kModalCancel);
  EXPECT_NE(dialog.form.Handle(), nullptr);  // hidden, not destroyed: the caller still reads it

  PostQuitMessage(0);
  EXPECT_EQ(ui::App().ShowModal(dialog.form), ui::kModalCancel);
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // passed on to the main loop
}

TEST_F(ApplicationTest, MessageBoxCaptionsDefaultPerKind) {
  Window w;
  ui::App().SetMainForm(&w.form);
  {
    DialogAnswerer answerer(core::Widen(core::Env().ProgramName), IDNO);
    EXPECT_EQ(ui::MsgBox("Continuer ?", "", MB_YESNO), IDNO);
    auto seen = answerer.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "Continuer ?");
    EXPECT_FALSE(seen[0].hasIcon);
  }
  {
    DialogAnswerer answerer(kWideTitle, IDOK);
    ui::ErrorBox("Erreur grave", "");
    ui::WarningBox("Attention", "");
    auto seen = answerer.Finish();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].text, "Erreur grave");
    EXPECT_EQ(seen[1].text, "Attention");
    EXPECT_TRUE(seen[0].hasIcon && seen[1].hasIcon);
  }
  {
    DialogAnswerer answerer(L"Légende", IDYES);
    EXPECT_EQ(ui::MsgBox("?", "Légende", MB_YESNO), IDYES);
    EXPECT_EQ(answerer.Finish().size(), 1u);
  }
}

TEST_F(ApplicationTest, MsgBoxGivesTheFocusBackToWhereItWas) {
  Window w;
  SetActiveWindow(w.form.Handle());
  SetFocus(w.edit.Handle());
  DialogAnswerer answerer(L"Question", IDYES);
  ui::MsgBox("?", "Question", MB_YESNO);
  answerer.Finish();
  EXPECT_EQ(GetFocus(), w.edit.Handle());
  EXPECT_TRUE(IsWindowEnabled(w.form.Handle()));
}

TEST_F(ApplicationTest, ErrorBoxWithoutAMainWindowStandsAlone) {
  ui::App().SetMainForm(nullptr);
  DialogAnswerer answerer(kWideTitle, IDOK);
  ui::ErrorBox("Pas de fenêtre", "");
  auto seen = answerer.Finish();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "Pas de fenêtre");
}

}  // namespace
