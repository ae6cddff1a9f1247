#include "ui/widgets/Form.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/Gui.h"
#include "support/Keyboard.h"
#include "ui/widgets/Button.h"
#include "ui/widgets/CheckListBox.h"
#include "ui/widgets/Edit.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/PageControl.h"
#include "ui/widgets/RadioGroup.h"
#include "ui/widgets/RichText.h"
#include "ui/widgets/ToolBar.h"

namespace {

constexpr COLORREF kOlive = RGB(94, 94, 42);

struct TwoPages {
  ui::Form form;
  ui::PageControl pc;
  ui::Page first, second;
  ui::Button next1, next2, back2, plain;
  int next1Clicks = 0, next2Clicks = 0, back2Clicks = 0;

  TwoPages() {
    form.Create({.className = L"TPratiloTestForm", .name = "fTest", .caption = "Test", .clientWidth = 547,
                 .clientHeight = 263, .background = kOlive});
    pc.Create({.parent = form.Handle(), .bounds = {-2, 0, 553, 273}, .name = "pc", .pageColour = kOlive});
    pc.AddPage(first, "ts0", "ts0");
    pc.AddPage(second, "ts1", "ts1");
    next1.Create({.parent = first.Handle(), .bounds = {352, 218, 91, 25}, .name = "s0", .text = "Next", .isDefault = true});
    next2.Create({.parent = second.Handle(), .bounds = {352, 218, 91, 25}, .name = "s1", .text = "Next", .isDefault = true});
    back2.Create({.parent = second.Handle(), .bounds = {256, 218, 91, 25}, .name = "p1", .text = "Back"});
    plain.Create({.parent = first.Handle(), .bounds = {10, 218, 91, 25}, .name = "b", .text = "Plain"});
    form.AddDefaultButton(next1);
    form.AddDefaultButton(next2);
    form.AddCancelButton(back2);
    next1.onClick = [this] { ++next1Clicks; };
    next2.onClick = [this] { ++next2Clicks; };
    back2.onClick = [this] { ++back2Clicks; };
    form.Show();
  }

  // A key press as the message loop would see it, aimed at the focused window.
  void Key(WPARAM key) {
    MSG msg{GetFocus() ? GetFocus() : form.Handle(), WM_KEYDOWN, key, 0};
    if (!form.PreTranslate(msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    testing_support::Pump();
  }
};

TEST(Form, HasAFixedSizeAToolCaptionAndNoCaptionButtons) {
  TwoPages w;
  RECT client;
  GetClientRect(w.form.Handle(), &client);
  EXPECT_EQ(client.right, 547);
  EXPECT_EQ(client.bottom, 263);
  RECT outer;
  GetWindowRect(w.form.Handle(), &outer);
  EXPECT_EQ(outer.right - outer.left, w.form.OuterSize().cx);
  EXPECT_EQ(outer.bottom - outer.top, w.form.OuterSize().cy);
  MINMAXINFO info{};
  SendMessageW(w.form.Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, info.ptMaxTrackSize.x);
  EXPECT_EQ(info.ptMinTrackSize.y, info.ptMaxTrackSize.y);
  EXPECT_EQ(info.ptMinTrackSize.x, w.form.OuterSize().cx);
  // An attempt to resize is held at the fixed size.
  SetWindowPos(w.form.Handle(), nullptr, 0, 0, 900, 700, SWP_NOMOVE | SWP_NOZORDER);
  GetWindowRect(w.form.Handle(), &outer);
  EXPECT_EQ(outer.right - outer.left, w.form.OuterSize().cx);
  LONG_PTR style = GetWindowLongPtrW(w.form.Handle(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_FALSE(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_TRUE(GetWindowLongPtrW(w.form.Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_EQ(w.form.Text(), "Test");
}

TEST(Form, ChildrenTakeTheFormFontAndBackgroundUnlessGivenTheirOwn) {
  TwoPages w;
  EXPECT_EQ(w.next1.Font(), w.form.DefaultFont());
  LOGFONTW lf{};
  GetObjectW(w.form.DefaultFont(), sizeof lf, &lf);
  EXPECT_STREQ(lf.lfFaceName, L"MS Sans Serif");
  EXPECT_EQ(lf.lfHeight, ui::PointsToHeight(8, w.form.Dpi()));
  LOGBRUSH lb{};
  GetObjectW(w.first.BackgroundBrush(), sizeof lb, &lb);
  EXPECT_EQ(lb.lbColor, kOlive);
}

// A read-only rich text takes the focus (its text scrolls with the arrows) but never asks for Tab,
// which Wine's does: the dialog navigation would then leave the focus in it for ever.
TEST(Form, AReadOnlyRichTextTakesTheFocusButNeverTab) {
  TwoPages w;
  ui::RichText text;
  ASSERT_TRUE(text.Create({.parent = w.first.Handle(), .bounds = {10, 10, 300, 150}, .name = "re", .readOnly = true}));
  text.Append("A licence long enough to scroll.", {});
  auto asks = [&text](WPARAM key) {
    MSG press{text.Handle(), WM_KEYDOWN, key, 0};
    return SendMessageW(text.Handle(), WM_GETDLGCODE, key, reinterpret_cast<LPARAM>(&press));
  };
  EXPECT_EQ(asks(VK_TAB) & (DLGC_WANTTAB | DLGC_WANTALLKEYS), 0);
  EXPECT_NE(asks(VK_DOWN) & DLGC_WANTARROWS, 0);
  EXPECT_NE(GetWindowLongPtrW(text.Handle(), GWL_STYLE) & WS_TABSTOP, 0);
  EXPECT_EQ(GetNextDlgTabItem(w.form.Handle(), text.Handle(), FALSE), w.next1.Handle());
}

// The keyboard comes back to the control it left when the window is activated again, and focus
// rectangles show from the first key a user presses.
TEST(Form, TheKeyboardComesBackWhereItWasAndItsCuesShowOnceAKeyIsPressed) {
  TwoPages w;
  SetFocus(w.plain.Handle());
  testing_support::Host other;
  SetActiveWindow(other.Handle());
  ASSERT_NE(GetFocus(), w.plain.Handle());
  SetActiveWindow(w.form.Handle());
  EXPECT_EQ(GetFocus(), w.plain.Handle());
  w.plain.SetEnabled(false);  // gone meanwhile: the system's rule
  SetActiveWindow(other.Handle());
  SetActiveWindow(w.form.Handle());
  EXPECT_NE(GetFocus(), w.plain.Handle());

  // What the form asks of the system's cues, from the first key on.
  static std::vector<WPARAM> asked;
  asked.clear();
  SetWindowSubclass(w.form.Handle(), [](HWND h, UINT m, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (m == WM_CHANGEUISTATE) asked.push_back(wp);
    return DefSubclassProc(h, m, wp, lp);
  }, 7, 0);
  SetFocus(w.next1.Handle());
  EXPECT_TRUE(asked.empty());
  testing_support::PressKey(VK_TAB);
  testing_support::PressKey(VK_TAB);
  EXPECT_EQ(asked, (std::vector<WPARAM>{MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL)}));
  
}

TEST(Form, EnterPressesTheDefaultButtonOfTheShownPageOnlyWhenEnabled) {
  TwoPages w;
  SetFocus(w.plain.Handle());
  w.Key(VK_RETURN);  // a focused plain button takes Enter itself
  EXPECT_EQ(w.next1Clicks, 0);
  SetFocus(w.form.Handle());
  w.Key(VK_RETURN);
  EXPECT_EQ(w.next1Clicks, 1);
  EXPECT_EQ(w.next2Clicks, 0);
  w.next1.SetEnabled(false);
  w.Key(VK_RETURN);
  EXPECT_EQ(w.next1Clicks, 1);
  w.Key(VK_ESCAPE);  // no cancel button on the first page
  EXPECT_EQ(w.back2Clicks, 0);

  w.pc.SetActivePage(w.second);
  SetFocus(w.form.Handle());
  w.Key(VK_RETURN);
  w.Key(VK_ESCAPE);
  EXPECT_EQ(w.next1Clicks, 1);
  EXPECT_EQ(w.next2Clicks, 1);
  EXPECT_EQ(w.back2Clicks, 1);
}

TEST(Form, TheKeyboardFollowsThePageAndNeverReachesAHiddenButton) {
  TwoPages w;
  SetFocus(w.next1.Handle());
  w.pc.SetActivePage(w.second);
  EXPECT_TRUE(IsChild(w.second.Handle(), GetFocus()));
  // Even when the focus stays behind on a hidden page, Enter goes to the shown page's default button.
  SetFocus(w.next1.Handle());
  w.Key(VK_RETURN);
  EXPECT_EQ(w.next1Clicks, 0);
  EXPECT_EQ(w.next2Clicks, 1);
}

TEST(Form, CloseCanBeRefusedByItsHandler) {
  TwoPages w;
  bool refuse = true;
  int destroyed = 0;
  w.form.onClose = [&](ui::CloseEvent& e) { e.cancel = refuse; };
  w.form.onDestroy = [&] { ++destroyed; };
  w.form.Close();
  EXPECT_TRUE(IsWindow(w.form.Handle()));
  refuse = false;
  w.form.Close();
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(w.form.Handle(), nullptr);
  EXPECT_EQ(w.next1.Handle(), nullptr);  // the children went with it
}

TEST(PageControl, PagesFillTheDisplayAreaAndOnlyTheActiveOneIsShown) {
  TwoPages w;
  ui::Rect area = w.pc.DisplayArea();
  EXPECT_GT(area.y, 0);  // below the tab row
  EXPECT_EQ(w.first.Bounds(), area);
  EXPECT_EQ(w.second.Bounds(), area);
  EXPECT_EQ(w.pc.PageCount(), 2);
  EXPECT_EQ(w.pc.ActivePage(), &w.first);
  EXPECT_TRUE(w.first.Visible());
  EXPECT_FALSE(w.second.Visible());
  EXPECT_EQ(w.second.PageIndex(), 1);

  int changes = 0;
  w.pc.onChange = [&] { ++changes; };
  // Whatever a page makes on its first showing must be there when it appears: heard once, still hidden.
  std::vector<bool> firstShowings;
  w.second.onFirstShow = [&] { firstShowings.push_back(w.second.Visible()); };
  w.pc.SetActivePageIndex(1);
  EXPECT_EQ(changes, 0);  // changes from code raise no event
  EXPECT_EQ(w.pc.ActivePageIndex(), 1);
  EXPECT_FALSE(w.first.Visible());
  EXPECT_TRUE(w.second.Visible());
  w.pc.SetActivePageIndex(7);  // out of range: nothing changes
  EXPECT_EQ(w.pc.ActivePageIndex(), 1);

  // A change made through the tabs shows the page and raises the event.
  SendMessageW(w.pc.Handle(), TCM_SETCURSEL, 0, 0);
  NMHDR header{w.pc.Handle(), 0, TCN_SELCHANGE};
  SendMessageW(w.form.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(w.first.Visible());
  EXPECT_FALSE(w.second.Visible());
  EXPECT_FALSE(GetWindowLongPtrW(w.pc.Handle(), GWL_STYLE) & WS_TABSTOP);
  w.pc.SetActivePageIndex(1);
  EXPECT_EQ(firstShowings, std::vector<bool>{false});
}

struct FrameCase {
  ui::Frame frame;
  bool caption, closeBox, tool;
};

TEST(Form, FramesGiveTheirCaptionAndButtons) {
  for (const FrameCase& c : {FrameCase{ui::Frame::Tool, true, false, true},
                             FrameCase{ui::Frame::None, false, false, false},
                             FrameCase{ui::Frame::ToolWithClose, true, true, true}}) {
    ui::Form form;
    ASSERT_TRUE(form.Create({.className = L"TPratiloTestForm", .name = "f", .clientWidth = 200, .clientHeight = 80,
                             .frame = c.frame}));
    LONG_PTR style = GetWindowLongPtrW(form.Handle(), GWL_STYLE);
    LONG_PTR exStyle = GetWindowLongPtrW(form.Handle(), GWL_EXSTYLE);
    EXPECT_EQ((style & WS_CAPTION) == WS_CAPTION, c.caption);
    EXPECT_EQ((style & WS_SYSMENU) != 0, c.closeBox);
    EXPECT_EQ((exStyle & WS_EX_TOOLWINDOW) != 0, c.tool);
    EXPECT_FALSE(exStyle & WS_EX_TOPMOST);
    RECT client;
    GetClientRect(form.Handle(), &client);
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 80);
    // Whatever size is asked for (a placement stored at another DPI, for one), each frame keeps its own.
    SetWindowPos(form.Handle(), nullptr, 10, 20, 520, 77, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT outer{};
    GetWindowRect(form.Handle(), &outer);
    EXPECT_EQ(outer.left, 10);
    EXPECT_EQ(outer.right - outer.left, form.OuterSize().cx) << static_cast<int>(c.frame);
    EXPECT_EQ(outer.bottom - outer.top, form.OuterSize().cy) << static_cast<int>(c.frame);
  }
}

TEST(Form, TakesAnOwnerAndStaysOnTopWhenAsked) {
  TwoPages owner;
  ui::Form form;
  ASSERT_TRUE(form.Create({.className = L"TPratiloTestForm", .name = "f", .clientWidth = 100, .clientHeight = 50,
                           .frame = ui::Frame::None, .owner = owner.form.Handle(), .topMost = true}));
  EXPECT_EQ(GetWindow(form.Handle(), GW_OWNER), owner.form.Handle());
  EXPECT_TRUE(GetWindowLongPtrW(form.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(GetParent(owner.next1.Handle()), owner.first.Handle());  // children keep their parents
  form.SetClientSize(160, 70);
  RECT client;
  GetClientRect(form.Handle(), &client);
  EXPECT_EQ(client.right, 160);
  EXPECT_EQ(client.bottom, 70);
}

TEST(Form, WaitCursorCoversEveryControlWhileSet) {
  TwoPages w;
  HCURSOR hourglass = LoadCursorW(nullptr, IDC_WAIT);
  w.form.SetWaitCursor(true);
  SetCursor(nullptr);
  // A control deep inside the window asks its parents first, up to the form.
  EXPECT_TRUE(SendMessageW(w.next1.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(w.next1.Handle()),
                           MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
  EXPECT_EQ(GetCursor(), hourglass);
  w.form.SetWaitCursor(false);
  SetCursor(nullptr);
  SendMessageW(w.next1.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(w.next1.Handle()),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_NE(GetCursor(), hourglass);
}

TEST(Form, ClosingAModalFormOnlyGivesTheCancelResult) {
  TwoPages w;
  bool asked = false;
  w.form.onClose = [&](ui::CloseEvent&) { asked = true; };
  w.form.SetModal(true);
  SendMessageW(w.form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(w.form.ModalResult(), ui::kModalCancel);
  EXPECT_NE(w.form.Handle(), nullptr);
  EXPECT_FALSE(asked);
  w.form.SetModal(false);
  SendMessageW(w.form.Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(asked);
  EXPECT_EQ(w.form.Handle(), nullptr);
}

// --- Another DPI: everything laid out again from its design values ---

struct Scalable {
  ui::Form form;
  ui::PageControl pc;
  ui::Page page;
  ui::Label fitted, wrapped;
  ui::Button button;
  ui::RadioGroup group;
  ui::CheckListBox list;
  ui::RichText text;
  ui::ToolBar bar;
  ui::ImageList flags{ImageList_Create(16, 16, ILC_COLOR32, 2, 0)};
  ui::ToolButton flag;
  int place = -1;
  int changes = 0;

  Scalable() {
    form.Create({.className = L"TPratiloDpiForm", .name = "fDpi", .caption = "Dpi", .clientWidth = 547,
                 .clientHeight = 263, .background = kOlive});
    form.onDpiChanged = [this] { ++changes; };
    pc.Create({.parent = form.Handle(), .bounds = {-2, 0, 553, 273}, .name = "pc", .pageColour = kOlive,
               .tabHeight = 14});
    pc.AddPage(page, "ts0", "ts0");
    fitted.Create({.parent = page.Handle(), .bounds = {312, 48}, .name = "fitted", .text = "Choisissez :"});
    wrapped.Create({.parent = page.Handle(), .bounds = {304, 168, 236, 0}, .name = "wrapped",
                    .text = "Une phrase assez longue pour tenir sur plusieurs lignes une fois coupée.",
                    .wordWrap = true});
    button.Create({.parent = page.Handle(), .bounds = {352, 218, 91, 25}, .name = "s0", .text = "Suivant"});
    group.Create({.parent = page.Handle(), .bounds = {312, 64, 225, 73}, .name = "rg", .columns = 2,
                  .items = {"Variante 1", "Variante 2", "Variante 3", "Variante 4"}, .selected = 0});
    list.Create({.parent = page.Handle(), .bounds = {112, 32, 180, 97}, .name = "clb"});
    list.AddLine("Sauvegarde");
    text.Create({.parent = page.Handle(), .bounds = {112, 140, 180, 60}, .name = "re"});
    bar.Create({.parent = form.Handle(), .bounds = {0, 0, 547, 24}, .name = "tb", .images = flags.Get()});
    place = bar.AddPlace(241);
    bar.AddCheckButton(flag, {.name = "bFrench", .image = 0});
    bar.AddSeparator(8);
    form.Show();
  }

  void ChangeDpi(int dpi, RECT suggested) {
    SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    testing_support::Pump();
  }

  ui::Rect Client() const {
    RECT r{};
    GetClientRect(form.Handle(), &r);
    return {0, 0, r.right, r.bottom};
  }

  LONG FontHeight(const ui::Control& c) const {
    LOGFONTW lf{};
    GetObjectW(c.Font(), sizeof lf, &lf);
    return lf.lfHeight;
  }

  LONG ItemHeight() const { return static_cast<LONG>(SendMessageW(list.Handle(), LB_GETITEMHEIGHT, 0, 0)); }

  // Everything a change of DPI must redo, as one comparable record.
  struct Layout {
    ui::Rect client, pc, page, fitted, wrapped, button, group, item0, item3, list, text, bar, place, flag;
    LONG font, itemHeight;
    bool operator==(const Layout&) const = default;
  };
  Layout Now() const {
    return {Client(), pc.Bounds(), page.Bounds(), fitted.Bounds(), wrapped.Bounds(), button.Bounds(),
            group.Bounds(), group.Item(0)->Bounds(), group.Item(3)->Bounds(), list.Bounds(), text.Bounds(),
            bar.Bounds(), bar.ItemRect(place), bar.ItemRect(place + 1), FontHeight(button), ItemHeight()};
  }
};

TEST(FormDpi, EveryControlGoesToItsDesignPlaceScaledToTheNewDpi) {
  Scalable w;
  ASSERT_EQ(w.form.Dpi(), 96) << "the test prefix runs at 96 DPI";
  for (int dpi : {120, 144, 192}) {
    SCOPED_TRACE(dpi);
    w.ChangeDpi(96, {0, 0, 1, 1});
    w.ChangeDpi(dpi, {40, 30, 900, 700});
    EXPECT_EQ(w.form.Dpi(), dpi);
    EXPECT_EQ(w.Client(), (ui::Rect{0, 0, ui::Scale(547, dpi), ui::Scale(263, dpi)}));
    RECT outer{};
    GetWindowRect(w.form.Handle(), &outer);
    EXPECT_EQ(outer.left, 40) << "the window goes where the system suggests";
    EXPECT_EQ(outer.top, 30);
    for (const ui::Control* c : std::initializer_list<const ui::Control*>{&w.pc, &w.button, &w.group, &w.list,
                                                                          &w.text, &w.bar})
      EXPECT_EQ(c->Bounds(), ui::ScaleRect(c->DesignBounds(), dpi)) << c->name;
    // Fonts are made for the DPI, not stretched.
    EXPECT_EQ(w.FontHeight(w.button), ui::PointsToHeight(8, dpi));
    EXPECT_EQ(w.FontHeight(w.fitted), ui::PointsToHeight(8, dpi));
    EXPECT_EQ(w.FontHeight(*w.group.Item(2)), ui::PointsToHeight(8, dpi));
    // Measured controls are measured again in the new font.
    const SIZE fitted = ui::MeasureText(w.fitted.Font(), w.fitted.Text());
    EXPECT_EQ(w.fitted.Bounds(), (ui::Rect{ui::Scale(312, dpi), ui::Scale(48, dpi), fitted.cx, fitted.cy}));
    const ui::Rect wrapped = ui::ScaleRect({304, 168, 236, 0}, dpi);
    EXPECT_EQ(w.wrapped.Bounds(), (ui::Rect{wrapped.x, wrapped.y, wrapped.w,
                                            ui::MeasureText(w.wrapped.Font(), w.wrapped.Text(), wrapped.w).cy}));
    TEXTMETRICW tm{};
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, w.group.Font());
    GetTextMetricsW(dc, &tm);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    const ui::Rect group = w.group.Bounds();
    EXPECT_EQ(w.group.Item(3)->Bounds(), ui::RadioGroupLayout(group.w, group.h, 4, 2, tm.tmHeight, dpi)[3]);
    EXPECT_GE(w.ItemHeight(), -ui::PointsToHeight(8, dpi)) << "a line of the list holds its text";
    // Pages fill what the (scaled) tabs leave.
    RECT display{};
    GetClientRect(w.pc.Handle(), &display);
    SendMessageW(w.pc.Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    EXPECT_EQ(w.page.Bounds(), (ui::Rect{display.left, display.top, display.right - display.left,
                                         display.bottom - display.top}));
    // The tool bar's places and buttons.
    EXPECT_EQ(w.bar.ItemRect(w.place).w, ui::Scale(241, dpi));
    EXPECT_EQ(w.bar.ItemRect(w.place + 1).w, ui::Scale(23, dpi));
    EXPECT_EQ(w.bar.ItemRect(w.place + 2).w, ui::Scale(8, dpi));
    // Rich text is zoomed from the DPI its points are drawn at.
    EXPECT_EQ(w.text.Zoom(), (std::pair{dpi, 96}));
  }
}

TEST(FormDpi, GoingBackGivesExactlyTheFirstLayoutAndEachChangeIsAnnouncedOnce) {
  Scalable w;
  const Scalable::Layout first = w.Now();
  w.ChangeDpi(144, {0, 0, 10, 10});
  EXPECT_EQ(w.changes, 1);
  EXPECT_NE(w.Now(), first);
  w.ChangeDpi(144, {0, 0, 10, 10});
  EXPECT_EQ(w.changes, 1) << "the same DPI again changes nothing";
  w.ChangeDpi(192, {0, 0, 10, 10});
  w.ChangeDpi(96, {0, 0, 10, 10});
  EXPECT_EQ(w.changes, 3);
  EXPECT_EQ(w.Now(), first);
  EXPECT_EQ(w.text.Zoom(), (std::pair{0, 0}));
}

// Only the shown page is laid out when the DPI changes; a hidden one when it is next shown, for the
// last DPI, whatever came between. Its fonts follow at once: the old ones are deleted. A link's font,
// its own underlined copy of its parent's, follows too, on either page.
TEST(FormDpi, AHiddenPageIsLaidOutWhenShownAndTakesItsFontsAtOnce) {
  Scalable w;
  ui::Page hidden;
  w.pc.AddPage(hidden, "ts1", "ts1");
  ui::Button later;
  ui::Label measured;
  ui::LinkLabel shownLink, laterLink;
  later.Create({.parent = hidden.Handle(), .bounds = {352, 218, 91, 25}, .name = "s1", .text = "Suivant"});
  measured.Create({.parent = hidden.Handle(), .bounds = {312, 48}, .name = "fitted", .text = "Choisissez :"});
  shownLink.Create({.parent = w.page.Handle(), .bounds = {136, 56}, .name = "l6v", .text = "Variante 1"});
  laterLink.Create({.parent = hidden.Handle(), .bounds = {136, 80}, .name = "l6q", .text = "Résolution 1024 x 1024"});
  auto expectLinksAt = [&](int dpi) {
    for (const ui::LinkLabel* link : {&shownLink, &laterLink}) {
      LOGFONTW lf{};
      GetObjectW(link->Font(), sizeof lf, &lf);
      EXPECT_EQ(lf.lfHeight, ui::PointsToHeight(8, dpi)) << link->name;
      EXPECT_TRUE(lf.lfUnderline) << link->name;
      const SIZE text = ui::MeasureText(link->Font(), link->Text());
      EXPECT_EQ(link->Bounds(), (ui::Rect{ui::Scale(136, dpi), link->Bounds().y, text.cx, text.cy})) << link->name;
    }
  };
  const ui::Rect before = later.Bounds();
  w.ChangeDpi(144, {0, 0, 10, 10});
  EXPECT_EQ(w.button.Bounds(), ui::ScaleRect(w.button.DesignBounds(), 144)) << "the shown page at once";
  EXPECT_EQ(later.Bounds(), before);
  EXPECT_EQ(w.FontHeight(later), ui::PointsToHeight(8, 144));
  w.ChangeDpi(192, {0, 0, 10, 10});
  EXPECT_EQ(w.FontHeight(measured), ui::PointsToHeight(8, 192));
  w.pc.SetActivePage(hidden);
  EXPECT_EQ(later.Bounds(), ui::ScaleRect(later.DesignBounds(), 192));
  const SIZE text = ui::MeasureText(measured.Font(), measured.Text());
  EXPECT_EQ(measured.Bounds(), (ui::Rect{ui::Scale(312, 192), ui::Scale(48, 192), text.cx, text.cy}));
  expectLinksAt(192);
  // Back at the design DPI while the first page is the hidden one: it goes back when shown.
  w.ChangeDpi(96, {0, 0, 10, 10});
  w.pc.SetActivePage(w.page);
  EXPECT_EQ(w.button.Bounds(), w.button.DesignBounds());
  w.pc.SetActivePage(hidden);
  EXPECT_EQ(later.Bounds(), later.DesignBounds());
  expectLinksAt(96);
}

TEST(FormDpi, AnAbsurdDpiCountsAsTheDesignDpi) {
  Scalable w;
  const Scalable::Layout first = w.Now();
  w.ChangeDpi(144, {0, 0, 10, 10});
  w.ChangeDpi(0, {0, 0, 10, 10});
  EXPECT_EQ(w.form.Dpi(), 96);
  EXPECT_EQ(w.Now(), first);
}

}  // namespace
