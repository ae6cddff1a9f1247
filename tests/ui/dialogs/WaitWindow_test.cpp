#include "ui/dialogs/WaitWindow.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/Environment.h"
#include "core/Settings.h"
#include "core/Utf8.h"
#include "support/Build.h"
#include "support/DialogAnswerer.h"
#include "ui/dialogs/Application.h"
#include "support/Gui.h"

namespace {

using testing_support::DialogAnswerer;

// The generator's hourglass, as Wine sees the build folder.
ui::Image GeneratedHourglass(int scale) {
  std::string path =
      testing_support::BuildPath(scale == 2 ? "artwork\\hourglass_2x.bmp" : "artwork\\hourglass.bmp");
  std::ifstream in(core::Widen(path).c_str(), std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  std::optional<ui::Image> image = ui::DecodeBmp(bytes.str());
  return image ? *image : ui::Image{};
}

RECT WindowRect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

COLORREF Printed(HWND hwnd, int x, int y) { return testing_support::DrawnPixel(hwnd, WM_PRINTCLIENT, {64, 64}, x, y); }

void Mouse(const ui::Control& control, UINT msg, WPARAM keys, int x, int y) {
  SendMessageW(control.Handle(), msg, keys, MAKELPARAM(x, y));
}

class WaitWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    core::InitEnvironment();
    ui::App().Initialize();
    ui::SetHourglassSource(GeneratedHourglass);
    core::WriteSetting("fWait", "");
    main_.Create({.className = L"TPratiloTestMain", .name = "fMainTest", .caption = "Main", .clientWidth = 300,
                  .clientHeight = 200});
    main_.Show();
    ui::App().SetMainForm(&main_);
  }
  void TearDown() override {
    // Closing the wait form frees the controller: every test starts without one.
    if (ui::TfWait* f = ui::CurrentWaitForm()) {
      while (f->Shown()) ui::GetWait()->Finish();
      f->form.Close();
    }
    ui::App().SetMainForm(nullptr);
    core::WriteSetting("fWait", "");
  }
  bool MainEnabled() const { return IsWindowEnabled(main_.Handle()) != FALSE; }
  static ui::TfWait& W() { return *ui::CurrentWaitForm(); }
  static std::string Boxes() { return core::Env().ProgramName; }

  ui::Form main_;
};

TEST_F(WaitWindowTest, TheControllerMakesAHiddenBorderlessTopMostFormOnFirstUse) {
  ui::TWait* wait = ui::GetWait();
  ASSERT_NE(wait, nullptr);
  EXPECT_EQ(ui::GetWait(), wait);
  ui::TfWait& f = W();
  ASSERT_NE(f.form.Handle(), nullptr);
  EXPECT_EQ(f.form.name, "fWait");
  EXPECT_FALSE(IsWindowVisible(f.form.Handle()));
  EXPECT_FALSE(wait->Active());
  EXPECT_TRUE(wait->Saved().empty());
  LONG_PTR style = GetWindowLongPtrW(f.form.Handle(), GWL_STYLE);
  EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU));
  EXPECT_TRUE(GetWindowLongPtrW(f.form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  RECT client{};
  GetClientRect(f.form.Handle(), &client);
  EXPECT_EQ(client.right, 520);
  EXPECT_EQ(client.bottom, 77);
  // No placement saved: centred on the 1024 x 768 display.
  RECT r = WindowRect(f.form.Handle());
  EXPECT_EQ(r.left, (1024 - 520) / 2);
  EXPECT_EQ(r.top, (768 - 77) / 2);
  EXPECT_EQ(f.Panneau.Bounds(), (ui::Rect{0, 0, 520, 77}));
  EXPECT_EQ(f.Icone.Bounds(), (ui::Rect{8, 8, 32, 32}));
  EXPECT_EQ(f.Texte.Bounds(), (ui::Rect{48, 50, 457, 13}));
  EXPECT_EQ(f.BoutonStop.Bounds(), (ui::Rect{8, 44, 33, 25}));
  EXPECT_EQ(f.BoutonStop.Text(), "Stop");
  EXPECT_EQ(f.BoutonStop.tag, 0);
}

TEST_F(WaitWindowTest, TheHourglassShowsThePanelWhereItsKeyColourIs) {
  ui::GetWait();
  ui::TfWait& f = W();
  ASSERT_TRUE(f.Icone.HasImage()) << "hourglass.bmp not generated";
  EXPECT_EQ(Printed(f.Icone.Handle(), 0, 31), ui::kSkyBlue);
  EXPECT_EQ(Printed(f.Icone.Handle(), 31, 0), ui::kSkyBlue);
  COLORREF cap = Printed(f.Icone.Handle(), 15, 3);
  EXPECT_GT(GetRValue(cap), 100);
  EXPECT_LT(GetGValue(cap), 40);
}

// At 192 DPI the double-size hourglass is shown as drawn, the controls take their places at twice the
// design and the title stays centred in its area.
TEST_F(WaitWindowTest, AtTwiceTheDpiEverythingIsTwiceAsLargeAndTheHourglassIsTheDoubleDrawing) {
  ui::TWait* wait = ui::GetWait();
  wait->Start("Copie de la texture\tT2_512.bmp", true);
  ui::TfWait& f = W();
  auto toDpi = [&f](int dpi) {
    RECT suggested{100, 100, 110, 110};
    SendMessageW(f.form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  };
  toDpi(192);
  RECT client{};
  GetClientRect(f.form.Handle(), &client);
  EXPECT_EQ(client.right, 2 * ui::kWaitClientWidth);
  EXPECT_EQ(client.bottom, 2 * ui::kWaitClientHeight);
  EXPECT_EQ(f.Icone.Bounds(), (ui::Rect{16, 16, 64, 64}));
  EXPECT_EQ(f.BoutonStop.Bounds(), (ui::Rect{16, 88, 66, 50}));
  const ui::Image drawing = GeneratedHourglass(2);
  ASSERT_EQ(drawing.width, 64) << "hourglass_2x.bmp not generated";
  const uint32_t key = drawing.Pixel(0, 63);
  for (int y = 1; y < 64; y += 6)
    for (int x = 1; x < 64; x += 6) {
      const uint32_t p = drawing.Pixel(x, y);
      const COLORREF expected = p == key ? ui::kSkyBlue : RGB(p >> 16 & 0xFF, p >> 8 & 0xFF, p & 0xFF);
      EXPECT_EQ(Printed(f.Icone.Handle(), x, y), expected) << x << "," << y;
    }
  LOGFONTW lf{};
  GetObjectW(f.Titre.Font(), sizeof lf, &lf);
  EXPECT_EQ(lf.lfHeight, ui::PointsToHeight(12, 192));
  const ui::Rect title = f.Titre.Bounds();
  EXPECT_EQ(f.Titre.Text(), "Copie de la texture");
  EXPECT_EQ(title.x, 96);
  EXPECT_NEAR(title.y + title.h / 2.0, 16 + 82 / 2.0, 1.0);
  toDpi(96);
  EXPECT_EQ(f.Icone.Bounds(), (ui::Rect{8, 8, 32, 32}));
  EXPECT_EQ(Printed(f.Icone.Handle(), 0, 31), ui::kSkyBlue);
  wait->Finish();
}

TEST_F(WaitWindowTest, StartSplitsTheTitleFromTheTextLineAndFinishReturnsToIdle) {
  struct Case {
    const char* text;
    const char* title;
    const char* line;
  };
  const Case cases[] = {
      {"Copie\tdetail1.bmp", "Copie", "detail1.bmp"},
      {"Copie", "Copie", ""},
      {"Copie\ta\tb", "Copie", "a\tb"},
      {" \"Sauvegarde\" \t 12 % ", "\"Sauvegarde\"", " 12 % "},
  };
  ui::TWait* wait = ui::GetWait();
  for (const Case& c : cases) {
    EXPECT_TRUE(wait->Start(c.text, false)) << c.text;
    EXPECT_TRUE(wait->Active());
    EXPECT_TRUE(IsWindowVisible(W().form.Handle()));
    EXPECT_FALSE(MainEnabled());
    EXPECT_EQ(W().Titre.Text(), c.title) << c.text;
    EXPECT_EQ(W().Texte.Text(), c.line) << c.text;
    EXPECT_FALSE(wait->Finish());
    EXPECT_FALSE(wait->Active());
    EXPECT_FALSE(IsWindowVisible(W().form.Handle()));
    EXPECT_TRUE(MainEnabled());
  }
}

TEST_F(WaitWindowTest, NestedWaitsSaveAndRestoreWhatTheWindowShows) {
  ui::TWait* wait = ui::GetWait();
  ui::TfWait& f = W();
  wait->Start("Extérieur\tpayload.bin", true);
  EXPECT_TRUE(f.BoutonStop.Visible());
  EXPECT_TRUE(f.StopIsCancel());
  wait->Start("Intérieur\tdetail1.bmp", false);
  ASSERT_EQ(wait->Saved().size(), 1u);
  EXPECT_EQ(wait->Saved()[0].Title, "Extérieur");
  EXPECT_EQ(wait->Saved()[0].Text, "payload.bin");
  EXPECT_TRUE(wait->Saved()[0].StopVisible);
  EXPECT_EQ(f.Titre.Text(), "Intérieur");
  EXPECT_FALSE(f.BoutonStop.Visible());
  EXPECT_FALSE(f.StopIsCancel());

  EXPECT_FALSE(wait->Finish());
  // The outer wait is back, and the main window is enabled although a wait is still shown.
  EXPECT_TRUE(wait->Active());
  EXPECT_TRUE(IsWindowVisible(f.form.Handle()));
  EXPECT_TRUE(MainEnabled());
  EXPECT_TRUE(wait->Saved().empty());
  EXPECT_EQ(f.Titre.Text(), "Extérieur");
  EXPECT_EQ(f.Texte.Text(), "payload.bin");
  EXPECT_TRUE(f.BoutonStop.Visible());
  EXPECT_TRUE(f.BoutonStop.Enabled());
  EXPECT_TRUE(f.StopIsCancel());

  EXPECT_FALSE(wait->Finish());
  EXPECT_FALSE(wait->Active());
  EXPECT_FALSE(IsWindowVisible(f.form.Handle()));
  EXPECT_FALSE(f.BoutonStop.Visible());
  EXPECT_FALSE(f.StopIsCancel());
}

TEST_F(WaitWindowTest, StopInAnInnerWaitEndsItButLeavesTheOuterFlagAsItWas) {
  struct Case {
    bool outerStopped;  // Stop pressed in the outer wait before the inner one starts
  };
  for (Case c : {Case{false}, Case{true}}) {
    ui::TWait* wait = ui::GetWait();
    ui::TfWait& f = W();
    wait->Start("Extérieur", true);
    if (c.outerStopped) SendMessageW(f.BoutonStop.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(wait->Stopped(), c.outerStopped);
    wait->Start("Intérieur", true);
    EXPECT_FALSE(wait->Stopped()) << "each wait starts unstopped";
    SendMessageW(f.BoutonStop.Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(wait->Stopped());
    EXPECT_EQ(f.BoutonStop.tag, 1);
    EXPECT_FALSE(f.BoutonStop.Visible());
    EXPECT_FALSE(f.StopIsCancel());
    EXPECT_TRUE(wait->Finish());
    EXPECT_EQ(wait->Stopped(), c.outerStopped) << c.outerStopped;
    // A stopped outer wait has no Stop button left to offer.
    EXPECT_EQ(f.BoutonStop.Visible(), !c.outerStopped);
    EXPECT_EQ(f.StopIsCancel(), !c.outerStopped);
    EXPECT_EQ(wait->Finish(), c.outerStopped);
    EXPECT_FALSE(wait->Active());
  }
}

TEST_F(WaitWindowTest, ManyNestedWaitsUnwindInOrder) {
  ui::TWait* wait = ui::GetWait();
  const int depth = 40;
  for (int i = 0; i < depth; ++i) wait->Start("Niveau " + std::to_string(i) + "\tligne " + std::to_string(i), i % 2);
  EXPECT_EQ(wait->Saved().size(), static_cast<size_t>(depth - 1));
  for (int i = depth - 1; i > 0; --i) {
    wait->Finish();
    EXPECT_EQ(W().Titre.Text(), "Niveau " + std::to_string(i - 1));
    EXPECT_EQ(W().Texte.Text(), "ligne " + std::to_string(i - 1));
    EXPECT_EQ(W().BoutonStop.Visible(), (i - 1) % 2 == 1);
  }
  wait->Finish();
  EXPECT_FALSE(wait->Active());
}

TEST_F(WaitWindowTest, PoppingAnEmptyStackSaysSoAndChangesNothing) {
  ui::TWait* wait = ui::GetWait();
  wait->Start("Copie\tdetail1.bmp", true);
  std::vector<DialogAnswerer::Seen> seen;
  {
    DialogAnswerer answerer(core::Widen(Boxes()), IDOK);
    wait->Stack(false);
    seen = answerer.Finish();
  }
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0].text, "(TWait.Stack(False)) Aïe ! Plus de pile !");
  EXPECT_EQ(seen[0].buttons, std::vector<std::string>{"OK"});
  EXPECT_FALSE(seen[0].hasIcon);
  EXPECT_TRUE(wait->Active());
  EXPECT_EQ(W().Titre.Text(), "Copie");
  EXPECT_EQ(W().Texte.Text(), "detail1.bmp");
  EXPECT_TRUE(W().BoutonStop.Visible());
  EXPECT_TRUE(wait->Saved().empty());
  EXPECT_FALSE(wait->Finish());
  EXPECT_FALSE(wait->Active());
}

TEST_F(WaitWindowTest, FinishWithNothingShownGivesFalseQuietlyAndEnablesTheMainWindow) {
  ui::TWait* wait = ui::GetWait();
  EnableWindow(main_.Handle(), FALSE);
  DialogAnswerer answerer(core::Widen(Boxes()), IDOK);
  EXPECT_FALSE(wait->Finish());
  EXPECT_TRUE(MainEnabled());
  EXPECT_FALSE(wait->Active());
  EXPECT_TRUE(answerer.Finish().empty()) << "a beep, not a box";
  // A Stop flag left over from an earlier wait is not reported.
  W().BoutonStop.tag = 1;
  EXPECT_FALSE(wait->Finish());
}

TEST_F(WaitWindowTest, EscapePressesStopOnlyWhenStopIsOffered) {
  for (bool offered : {true, false}) {
    ui::TWait* wait = ui::GetWait();
    wait->Start("Copie\tdetail1.bmp", offered);
    EXPECT_EQ(W().BoutonStop.Visible(), offered);
    EXPECT_EQ(W().StopIsCancel(), offered);
    PostMessageW(W().form.Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(wait->Stopped(), offered) << offered;
    EXPECT_FALSE(W().BoutonStop.Visible());
    // Once stopped, Escape has nothing left to press.
    EXPECT_FALSE(W().StopIsCancel());
    EXPECT_EQ(wait->Finish(), offered);
  }
}

TEST_F(WaitWindowTest, DraggingWithTheLeftButtonMovesTheWindowAndSavesEachStep) {
  ui::GetWait()->Start("Copie\tdetail1.bmp", true);
  ui::TfWait& f = W();
  RECT start = WindowRect(f.form.Handle());
  Mouse(f.Panneau, WM_LBUTTONDOWN, MK_LBUTTON, 10, 10);
  EXPECT_EQ(GetCapture(), f.Panneau.Handle());
  Mouse(f.Panneau, WM_MOUSEMOVE, MK_LBUTTON, 30, 25);
  RECT r = WindowRect(f.form.Handle());
  EXPECT_EQ(r.left, start.left + 20);
  EXPECT_EQ(r.top, start.top + 15);
  std::string expected = std::to_string(start.left + 20) + "\t" + std::to_string(start.top + 15) + "\t520\t77\t0";
  EXPECT_EQ(core::ReadSetting("fWait"), expected);
  Mouse(f.Panneau, WM_MOUSEMOVE, MK_LBUTTON, 5, 12);
  r = WindowRect(f.form.Handle());
  EXPECT_EQ(r.left, start.left + 15);
  EXPECT_EQ(r.top, start.top + 17);
  expected = std::to_string(start.left + 15) + "\t" + std::to_string(start.top + 17) + "\t520\t77\t0";
  EXPECT_EQ(core::ReadSetting("fWait"), expected);
  Mouse(f.Panneau, WM_LBUTTONUP, 0, 5, 12);
  EXPECT_EQ(GetCapture(), nullptr);
  // After the button is up, moves do nothing.
  Mouse(f.Panneau, WM_MOUSEMOVE, 0, 50, 50);
  EXPECT_EQ(WindowRect(f.form.Handle()).left, start.left + 15);
  // The hourglass carries the drag as well, in its own coordinates.
  Mouse(f.Icone, WM_LBUTTONDOWN, MK_LBUTTON, 2, 2);
  Mouse(f.Icone, WM_MOUSEMOVE, MK_LBUTTON, 0, 0);
  Mouse(f.Icone, WM_LBUTTONUP, 0, 0, 0);
  EXPECT_EQ(WindowRect(f.form.Handle()).left, start.left + 13);
  EXPECT_EQ(WindowRect(f.form.Handle()).top, start.top + 15);
}

TEST_F(WaitWindowTest, DraggingWithTheRightButtonDoesNothing) {
  ui::GetWait()->Start("Copie\tdetail1.bmp", true);
  ui::TfWait& f = W();
  RECT start = WindowRect(f.form.Handle());
  for (const ui::Control* c :
       {static_cast<const ui::Control*>(&f.Panneau), static_cast<const ui::Control*>(&f.Icone)}) {
    Mouse(*c, WM_RBUTTONDOWN, MK_RBUTTON, 10, 10);
    Mouse(*c, WM_MOUSEMOVE, MK_RBUTTON, 40, 30);
    Mouse(*c, WM_RBUTTONUP, 0, 40, 30);
    Mouse(*c, WM_MBUTTONDOWN, MK_MBUTTON, 10, 10);
    Mouse(*c, WM_MOUSEMOVE, MK_MBUTTON, 40, 30);
    Mouse(*c, WM_MBUTTONUP, 0, 40, 30);
  }
  RECT r = WindowRect(f.form.Handle());
  EXPECT_EQ(r.left, start.left);
  EXPECT_EQ(r.top, start.top);
  EXPECT_EQ(core::ReadSetting("fWait"), "");
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(WaitWindowTest, SetTextTrimsBlanksAndControlCharacters) {
  const std::pair<const char*, const char*> cases[] = {
      {" 42 % ", "42 %"}, {"\t\r\n 7 %\r\n", "7 %"}, {"detail1.bmp", "detail1.bmp"}, {"   ", ""},
      {"a  b", "a  b"},
  };
  ui::TWait* wait = ui::GetWait();
  wait->Start("Copie\tdébut", false);
  for (auto [text, shown] : cases) {
    wait->SetText(text);
    EXPECT_EQ(W().Texte.Text(), shown) << text;
    EXPECT_EQ(W().Titre.Text(), "Copie");
  }
  ui::TWait::SetText(wait, " 99 % ");
  EXPECT_EQ(W().Texte.Text(), "99 %");
  wait->Finish();
}

TEST_F(WaitWindowTest, WithoutAControllerSetTextAndStoppedDoNothing) {
  DialogAnswerer answerer(core::Widen(Boxes()), IDOK);
  ui::TWait::SetText(nullptr, "42 %");
  EXPECT_FALSE(ui::TWait::Stopped(nullptr));
  EXPECT_TRUE(answerer.Finish().empty());
  EXPECT_TRUE(MainEnabled());
}

TEST_F(WaitWindowTest, ClosingTheFormSavesItsPlaceAndFreesTheController) {
  ui::TWait* first = ui::GetWait();
  ui::TfWait* firstForm = ui::CurrentWaitForm();
  HWND firstWindow = firstForm->form.Handle();
  SetWindowPos(firstWindow, nullptr, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  firstForm->form.Close();
  EXPECT_FALSE(IsWindow(firstWindow));
  EXPECT_EQ(core::ReadSetting("fWait"), "100\t120\t520\t77\t0");
  // The next user gets a new controller with a new form, which opens where the old one was left.
  ui::TWait* second = ui::GetWait();
  (void)first;
  EXPECT_NE(ui::CurrentWaitForm(), firstForm);
  ASSERT_NE(second, nullptr);
  RECT r = WindowRect(W().form.Handle());
  EXPECT_EQ(r.left, 100);
  EXPECT_EQ(r.top, 120);
  EXPECT_TRUE(second->Start("Copie", false));
  EXPECT_TRUE(second->Active());
  second->Finish();
}

TEST_F(WaitWindowTest, AShownWaitWindowRefusesToCloseSoItsControllerStays) {
  ui::TWait* wait = ui::GetWait();
  HWND window = W().form.Handle();
  wait->Start("Copie\tdetail1.bmp", true);
  PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);  // what Alt+F4 sends
  wait->SetText("42 %");
  W().form.Close();
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(ui::GetWait(), wait);
  EXPECT_TRUE(wait->Active());
  EXPECT_EQ(W().Texte.Text(), "42 %");
  EXPECT_EQ(core::ReadSetting("fWait"), "");
  EXPECT_FALSE(wait->Finish());
  // Idle again, it closes.
  W().form.Close();
  EXPECT_FALSE(IsWindow(window));
}

TEST_F(WaitWindowTest, AFormMadeAtStartUpStaysHiddenAndTheControllerMakesItsOwn) {
  ui::TfWait& startUp = ui::CreateWaitForm();
  EXPECT_FALSE(IsWindowVisible(startUp.form.Handle()));
  EXPECT_FALSE(startUp.Shown());
  ui::TWait* wait = ui::GetWait();
  EXPECT_NE(ui::CurrentWaitForm(), &startUp);
  wait->Start("Copie", false);
  EXPECT_FALSE(IsWindowVisible(startUp.form.Handle()));
  EXPECT_TRUE(IsWindowVisible(W().form.Handle()));
  wait->Finish();
  startUp.form.Close();
}

}  // namespace
