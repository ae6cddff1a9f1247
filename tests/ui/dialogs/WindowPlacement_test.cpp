#include "ui/dialogs/WindowPlacement.h"

#include <gtest/gtest.h>

#include "core/Environment.h"
#include "core/Settings.h"
#include "core/Utf8.h"
#include "support/RegistryFixture.h"
#include "support/Gui.h"
#include "ui/widgets/Form.h"

using namespace testing_support;

namespace {

const char kProgram[] = "ui_dialogs";
const wchar_t kKey[] = L"Software\\Nuvra Soft\\ui_dialogs";

class Placement : public ::testing::Test {
 protected:
  void SetUp() override {
    core::Env().ProgramName = kProgram;
    DeleteRegTree(HKEY_CURRENT_USER, kKey);
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);  // the headless prefix's one monitor
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
  }
  void TearDown() override { DeleteRegTree(HKEY_CURRENT_USER, kKey); }

  static void Create(ui::Form& form, const char* name, int clientWidth = 300, int clientHeight = 200) {
    ASSERT_TRUE(form.Create({.className = L"TPratiloPlacementTest", .name = name, .caption = name,
                             .clientWidth = clientWidth, .clientHeight = clientHeight}));
  }
  static std::wstring Stored(const wchar_t* name) {
    DWORD type = 0;
    std::wstring data;
    if (!GetRawValue(HKEY_CURRENT_USER, kKey, name, type, data)) return L"<missing>";
    if (!data.empty() && data.back() == L'\0') data.pop_back();
    return data;
  }
  static void Store(const wchar_t* name, const std::wstring& text) {
    ASSERT_TRUE(SetRawValue(HKEY_CURRENT_USER, kKey, name, REG_SZ, text.c_str(),
                            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))));
  }
  static RECT Bounds(const ui::Form& form) {
    RECT r{};
    GetWindowRect(form.Handle(), &r);
    return r;
  }
  static void Place(const ui::Form& form, int left, int top) {
    SetWindowPos(form.Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
};

// The forms of the program keep a fixed size; this lets one take any size, to see the sizes asked for.
LRESULT CALLBACK AnySize(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (msg == WM_GETMINMAXINFO) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    info->ptMinTrackSize = {0, 0};
    info->ptMaxTrackSize = {10000, 10000};
    return 0;
  }
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

void LetResize(const ui::Form& form) { SetWindowSubclass(form.Handle(), AnySize, 0x504C, 0); }

bool Same(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

std::wstring Fields(const RECT& r, int maximized) {
  return std::to_wstring(r.left) + L"\t" + std::to_wstring(r.top) + L"\t" + std::to_wstring(r.right - r.left) +
         L"\t" + std::to_wstring(r.bottom - r.top) + L"\t" + std::to_wstring(maximized);
}

}  // namespace

TEST_F(Placement, WithNothingSavedA400By300WindowIsCentredOnThePrimaryDisplay) {
  ui::Form probe;
  Create(probe, "fProbe");
  const int frameWidth = probe.OuterSize().cx - 300, frameHeight = probe.OuterSize().cy - 200;
  ui::Form form;
  Create(form, "fMain", 400 - frameWidth, 300 - frameHeight);
  ASSERT_EQ(form.OuterSize().cx, 400);
  ASSERT_EQ(form.OuterSize().cy, 300);
  Place(form, 3, 4);
  ui::LoadFormPos(form, true);
  const RECT r = Bounds(form);
  EXPECT_EQ(r.left, 312);
  EXPECT_EQ(r.top, 234);
  EXPECT_EQ(r.right - r.left, 400);
  EXPECT_EQ(Stored(L"fMain"), L"<missing>");  // loading writes nothing
  EXPECT_FALSE(IsWindowVisible(form.Handle()));

  // Blank text is no placement either.
  Store(L"fMain", L" \t\r\n");
  Place(form, 3, 4);
  ui::LoadFormPos(form, true);
  EXPECT_EQ(Bounds(form).left, 312);
  EXPECT_EQ(Bounds(form).top, 234);
}

TEST_F(Placement, SavesFiveFieldsUnderTheFormNameAndRestoresThem) {
  ui::Form main, wait;
  Create(main, "fMain");
  Create(wait, "fWait", 200, 100);
  Place(main, 150, 90);
  Place(wait, -20, 5);  // partly off the left edge, but the title bar shows enough
  ui::SaveFormPos(main);
  ui::SaveFormPos(wait, ui::WindowState::Normal);
  const RECT savedMain = Bounds(main), savedWait = Bounds(wait);
  EXPECT_EQ(Stored(L"fMain"), Fields(savedMain, 0));
  EXPECT_EQ(Stored(L"fWait"), Fields(savedWait, 0));
  EXPECT_EQ(Stored(L"fWait").substr(0, 6), L"-20\t5\t");

  Place(main, 0, 0);
  Place(wait, 500, 500);
  ui::LoadFormPos(main, true);
  ui::LoadFormPos(wait, true);
  EXPECT_TRUE(Same(savedMain, Bounds(main)));
  EXPECT_TRUE(Same(savedWait, Bounds(wait)));
  EXPECT_FALSE(IsZoomed(main.Handle()));
}

TEST_F(Placement, WithSizeDecidesWhetherTheStoredSizeIsAskedFor) {
  ui::Form form;
  Create(form, "fMain");
  LetResize(form);
  const RECT before = Bounds(form);
  Store(L"fMain", L"120\t80\t500\t350\t0");
  ui::LoadFormPos(form, false);
  RECT r = Bounds(form);
  EXPECT_EQ(r.left, 120);
  EXPECT_EQ(r.top, 80);
  EXPECT_EQ(r.right - r.left, before.right - before.left);
  EXPECT_EQ(r.bottom - r.top, before.bottom - before.top);

  ui::LoadFormPos(form, true);
  r = Bounds(form);
  EXPECT_TRUE(Same(r, {120, 80, 620, 430}));
}

TEST_F(Placement, SavingAMaximizedWindowStoresItsNormalBoundsAndLeavesItNormal) {
  ui::Form form;
  Create(form, "fMain");
  form.Show();
  Place(form, 210, 110);
  const RECT normal = Bounds(form);
  ShowWindow(form.Handle(), SW_MAXIMIZE);
  ASSERT_TRUE(IsZoomed(form.Handle()));
  ui::SaveFormPos(form, ui::WindowState::Normal);
  EXPECT_EQ(Stored(L"fMain"), Fields(normal, 0));
  EXPECT_FALSE(IsZoomed(form.Handle()));
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
  EXPECT_TRUE(Same(normal, Bounds(form)));

  // From minimized, too, and with the state that asks to reopen maximized.
  ShowWindow(form.Handle(), SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(form.Handle()));
  ui::SaveFormPos(form, ui::WindowState::Maximized);
  EXPECT_EQ(Stored(L"fMain"), Fields(normal, 1));
  EXPECT_FALSE(IsIconic(form.Handle()));

  // Minimized from maximized restores to maximized first; the save still ends normal.
  ShowWindow(form.Handle(), SW_MAXIMIZE);
  ShowWindow(form.Handle(), SW_MINIMIZE);
  ui::SaveFormPos(form, ui::WindowState::Minimized);
  EXPECT_EQ(Stored(L"fMain"), Fields(normal, 0));
  EXPECT_FALSE(IsIconic(form.Handle()));
  EXPECT_FALSE(IsZoomed(form.Handle()));
}

TEST_F(Placement, FieldFiveReopensMaximizedAlsoWithoutSizeAndAHiddenWindowStaysHidden) {
  ui::Form form;
  Create(form, "fWait");
  const RECT before = Bounds(form);
  Store(L"fWait", L"200\t150\t10\t10\t1");
  ui::LoadFormPos(form, false);
  EXPECT_TRUE(IsZoomed(form.Handle()));
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
  WINDOWPLACEMENT wp{sizeof wp};
  GetWindowPlacement(form.Handle(), &wp);
  EXPECT_EQ(wp.rcNormalPosition.left, 200);  // no task bar: workspace and screen coordinates agree
  EXPECT_EQ(wp.rcNormalPosition.top, 150);
  EXPECT_EQ(wp.rcNormalPosition.right - wp.rcNormalPosition.left, before.right - before.left);

  form.Show();
  EXPECT_TRUE(IsZoomed(form.Handle()));
  ui::SaveFormPos(form);
  EXPECT_EQ(Stored(L"fWait").substr(0, 8), L"200\t150\t");
  EXPECT_EQ(Stored(L"fWait").back(), L'0');

  // And it reopens normal.
  ShowWindow(form.Handle(), SW_MAXIMIZE);
  ui::LoadFormPos(form, true);
  EXPECT_FALSE(IsZoomed(form.Handle()));
  EXPECT_EQ(Bounds(form).left, 200);
  EXPECT_EQ(Bounds(form).top, 150);
}

TEST_F(Placement, AWindowLeftOnADetachedMonitorComesBackJustFarEnough) {
  ui::Form form;
  Create(form, "fMain");
  const LONG width = form.OuterSize().cx, height = form.OuterSize().cy;
  struct Case {
    std::wstring stored;
    POINT expected;
  } cases[] = {
      {L"1500\t100\t0\t0\t0", {1024 - width, 100}},
      {L"-2000\t-300\t0\t0\t0", {0, 0}},
      // Right edge exactly on the display's edge: not moved sideways, only up.
      {std::to_wstring(1024 - width) + L"\t760\t0\t0\t0", {1024 - width, 768 - height}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(core::Narrow(c.stored)));
    Store(L"fMain", c.stored);
    ui::LoadFormPos(form, true);
    const RECT r = Bounds(form);
    EXPECT_EQ(r.left, c.expected.x);
    EXPECT_EQ(r.top, c.expected.y);
    EXPECT_EQ(r.right - r.left, width);  // the form's fixed size holds against the stored 0 x 0
  }
}

TEST_F(Placement, ADamagedValueCountsItsBadFieldsAsZero) {
  ui::Form form;
  Create(form, "fMain");
  const RECT before = Bounds(form);
  Store(L"fMain", L"abc\t\"40\"\t\u00e9t\u00e9");
  ui::LoadFormPos(form, true);
  const RECT r = Bounds(form);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 40);
  EXPECT_EQ(r.right - r.left, before.right - before.left);
  EXPECT_FALSE(IsZoomed(form.Handle()));
  EXPECT_FALSE(IsWindowVisible(form.Handle()));
}

TEST_F(Placement, AWindowLargerThanTheMonitorIsShrunkToIt) {
  ui::Form form;
  Create(form, "fMain");
  LetResize(form);
  Store(L"fMain", L"-50\t-60\t3000\t2000\t0");
  ui::LoadFormPos(form, true);
  const RECT r = Bounds(form);
  EXPECT_TRUE(Same(r, {0, 0, 1024, 768}))
      << r.left << "," << r.top << "," << r.right << "," << r.bottom;
}

TEST_F(Placement, AFixedSizeWindowThatCannotShrinkIsClampedByItsRealSize) {
  ui::Form form;
  Create(form, "fMain", 1200, 900);
  Place(form, 100, 750);  // the title bar mostly below the screen
  const LONG width = form.OuterSize().cx, height = form.OuterSize().cy;
  ASSERT_GT(width, 1024);
  ASSERT_GT(height, 768);
  ui::FitToMonitors(form);
  // The shrink is refused and the form keeps its fixed size. Lining its bottom up with the display's
  // would put the title bar above the screen, out of reach: it starts at the work area's corner.
  const RECT r = Bounds(form);
  EXPECT_EQ(r.right - r.left, width);
  EXPECT_EQ(r.bottom - r.top, height);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 0);
  EXPECT_TRUE(ui::placement::StripVisible(r, ui::AttachedMonitors()));
}

TEST_F(Placement, TheMonitorListIsTheSystems) {
  const std::vector<ui::placement::Monitor> monitors = ui::AttachedMonitors();
  ASSERT_EQ(monitors.size(), 1u);
  EXPECT_TRUE(Same(monitors[0].bounds, {0, 0, 1024, 768}));
  EXPECT_TRUE(Same(monitors[0].work, {0, 0, 1024, 768}));  // no task bar in the headless prefix
}
