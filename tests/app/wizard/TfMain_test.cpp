#include "app/wizard/TfMain.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "support/Gui.h"
#include "support/Wizard.h"
#include "core/Utf8.h"
#include "ui/base/DpiScaling.h"

namespace {

using testing_support::WizardTest;

enum class Kind { Picture, Radio, Rich, Glyph, Plain, Status, Check, CheckList, Panel, Label, Link, Group, Edit };

struct Expected {
  const char* name;
  const char* page;  // the page it stands on, or its panel
  ui::Rect bounds;   // width and height 0: sized by its content
  int tag;
  Kind kind;
  bool visible = true;
  bool enabled = true;
};

const Expected kControls[] = {
    {"i0", "ts0", {0, 8, 105, 233}, 0, Kind::Picture},
    {"rbFS9", "ts0", {112, 12, 89, 17}, 0, Kind::Radio},
    {"rbFSX", "ts0", {240, 12, 65, 17}, 0, Kind::Radio},
    {"re0", "ts0", {112, 32, 425, 161}, 0, Kind::Rich},
    {"l0", "ts0", {112, 196, 425, 17}, 0, Kind::Label},
    {"b0", "ts0", {112, 218, 169, 25}, 9, Kind::Glyph, true, false},
    {"s0", "ts0", {352, 218, 91, 25}, 1, Kind::Glyph, true, false},
    {"q0", "ts0", {446, 218, 91, 25}, 2, Kind::Glyph},
    {"sb0", "ts0", {112, 212, 425, 31}, 0, Kind::Status, false},
    {"re1", "ts1", {0, 8, 540, 203}, 0, Kind::Rich},
    {"cb1", "ts1", {88, 220, 97, 17}, 5, Kind::Check},
    {"p1", "ts1", {256, 218, 91, 25}, -1, Kind::Glyph},
    {"s1", "ts1", {352, 218, 91, 25}, 1, Kind::Glyph, true, false},
    {"q1", "ts1", {446, 218, 91, 25}, 2, Kind::Glyph},
    {"pi2", "ts2", {0, 8, 300, 200}, 0, Kind::Panel},
    {"i2", "pi2", {-300, 0, 1800, 200}, 0, Kind::Picture},
    {"l2", "ts2", {312, 8, 225, 41}, 20, Kind::Label},
    {"Label2", "ts2", {312, 48, 0, 0}, 21, Kind::Label},
    {"rg2v", "ts2", {312, 64, 225, 73}, 22, Kind::Group},
    {"Label3", "ts2", {304, 144, 0, 0}, 7, Kind::Label},
    {"Label10", "ts2", {304, 168, 236, 41}, 8, Kind::Label},
    {"p2", "ts2", {256, 218, 91, 25}, -1, Kind::Glyph},
    {"s2", "ts2", {352, 218, 91, 25}, 1, Kind::Glyph},
    {"q2", "ts2", {446, 218, 91, 25}, 2, Kind::Glyph},
    {"pi4", "ts4", {0, 8, 300, 200}, 0, Kind::Panel},
    {"i4_1", "pi4", {0, 0, 900, 200}, 0, Kind::Picture, false},
    {"i4_5", "pi4", {0, 0, 900, 200}, 0, Kind::Picture, false},
    {"l4", "ts4", {312, 8, 224, 33}, 40, Kind::Label},
    {"Label8", "ts4", {312, 56, 0, 0}, 41, Kind::Label},
    {"rg4q", "ts4", {312, 72, 225, 49}, 42, Kind::Group},
    {"Label9", "ts4", {304, 144, 0, 0}, 7, Kind::Label},
    {"Label12", "ts4", {304, 168, 236, 41}, 8, Kind::Label},
    {"p4", "ts4", {256, 218, 91, 25}, -1, Kind::Glyph},
    {"s4", "ts4", {352, 218, 91, 25}, 1, Kind::Glyph},
    {"q4", "ts4", {446, 218, 91, 25}, 2, Kind::Glyph},
    {"Image4", "ts6", {0, 8, 105, 233}, 0, Kind::Picture},
    {"Label4", "ts6", {120, 24, 417, 25}, 60, Kind::Label},
    {"l6v", "ts6", {136, 56, 0, 0}, 22, Kind::Link},
    {"l6q", "ts6", {136, 80, 0, 0}, 63, Kind::Link},
    {"l6Dossier", "ts6", {120, 136, 0, 0}, 69, Kind::Label},
    {"e6", "ts6", {120, 152, 393, 21}, 0, Kind::Edit},
    {"b6", "ts6", {512, 152, 27, 21}, 0, Kind::Plain},
    {"l6bkp", "ts6", {120, 176, 401, 33}, 70, Kind::Label},
    {"p6", "ts6", {256, 218, 91, 25}, -1, Kind::Glyph},
    {"s6", "ts6", {352, 218, 91, 25}, 4, Kind::Glyph, true, false},
    {"q6", "ts6", {446, 218, 91, 25}, 2, Kind::Glyph},
    {"Image5", "ts7", {0, 8, 105, 233}, 0, Kind::Picture},
    {"l6", "ts7", {112, 8, 416, 33}, 73, Kind::Label},
    {"clb7", "ts7", {112, 32, 425, 97}, 0, Kind::CheckList},
    {"l7", "ts7", {112, 136, 425, 33}, 99, Kind::Label, false},
    {"l7err", "ts7", {112, 136, 425, 33}, 97, Kind::Label, false},
    {"Label21", "ts7", {112, 176, 428, 25}, 8, Kind::Label},
    {"t7", "ts7", {446, 218, 91, 25}, 3, Kind::Glyph, false},
    {"sb7", "ts7", {112, 226, 433, 19}, 0, Kind::Status},
};

bool IsKind(ui::Component* c, Kind kind) {
  switch (kind) {
    case Kind::Picture: return dynamic_cast<ui::Picture*>(c);
    case Kind::Radio: return dynamic_cast<ui::RadioButton*>(c);
    case Kind::Rich: return dynamic_cast<ui::RichText*>(c);
    case Kind::Glyph: return dynamic_cast<ui::GlyphButton*>(c);
    case Kind::Plain: return dynamic_cast<ui::Button*>(c) && !dynamic_cast<ui::GlyphButton*>(c);
    case Kind::Status: return dynamic_cast<ui::StatusBar*>(c);
    case Kind::Check: return dynamic_cast<ui::CheckBox*>(c);
    case Kind::CheckList: return dynamic_cast<ui::CheckListBox*>(c);
    case Kind::Panel: return dynamic_cast<ui::Panel*>(c) && !dynamic_cast<ui::Page*>(c);
    case Kind::Label: return dynamic_cast<ui::Label*>(c) && !dynamic_cast<ui::LinkLabel*>(c);
    case Kind::Link: return dynamic_cast<ui::LinkLabel*>(c);
    case Kind::Group: return dynamic_cast<ui::RadioGroup*>(c);
    case Kind::Edit: return dynamic_cast<ui::Edit*>(c);
  }
  return false;
}

// The design state of every page, all of them made with the window.
class Window : public WizardTest, public ::testing::Test {
 protected:
  Window() { MakeEveryPage(); }
};

TEST_F(Window, IsAFixedToolWindowOfTheRightSizeAndColour) {
  RECT client;
  GetClientRect(w().Handle(), &client);
  EXPECT_EQ(client.right, 547);
  EXPECT_EQ(client.bottom, 263);
  LONG_PTR style = GetWindowLongPtrW(w().Handle(), GWL_STYLE);
  EXPECT_FALSE(style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(GetWindowLongPtrW(w().Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  wchar_t cls[32];
  GetClassNameW(w().Handle(), cls, 32);
  EXPECT_STREQ(cls, L"TfMain");
  EXPECT_EQ(w().form.name, "fMain");
  LOGBRUSH lb{};
  GetObjectW(w().ts0.BackgroundBrush(), sizeof lb, &lb);
  EXPECT_EQ(lb.lbColor, RGB(94, 94, 42));
  LOGFONTW lf{};
  GetObjectW(w().form.DefaultFont(), sizeof lf, &lf);
  EXPECT_STREQ(lf.lfFaceName, L"MS Sans Serif");
}

TEST_F(Window, EveryControlHasItsPlaceTagKindAndDesignState) {
  for (const Expected& e : kControls) {
    SCOPED_TRACE(e.name);
    auto* control = dynamic_cast<ui::Control*>(w().FindComponent(e.name));
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(IsKind(control, e.kind));
    auto* parent = dynamic_cast<ui::Control*>(w().FindComponent(e.page));
    ASSERT_NE(parent, nullptr);
    EXPECT_EQ(GetParent(control->Handle()), parent->Handle());
    ui::Rect b = control->Bounds();
    if (e.bounds.w == 0) {
      EXPECT_EQ(b.x, e.bounds.x);
      EXPECT_EQ(b.y, e.bounds.y);
      EXPECT_GT(b.w, 0);
    } else {
      EXPECT_EQ(b, e.bounds);
    }
    EXPECT_EQ(control->tag, e.tag);
    EXPECT_EQ(control->Visible(), e.visible);
    EXPECT_EQ(control->Enabled(), e.enabled);
  }
}

TEST_F(Window, PagesAreInWizardOrderAndTheFirstIsShown) {
  const char* order[] = {"ts0", "ts1", "ts2", "ts4", "ts6", "ts7"};
  ASSERT_EQ(w().pc.PageCount(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(w().pc.PageAt(i)->name, order[i]);
  EXPECT_EQ(w().pc.ActivePage(), &w().ts0);
  EXPECT_EQ(w().pc.Bounds(), (ui::Rect{-2, 0, 553, 273}));
  // The pages hold their lowest controls (down to 245) inside the window's client area, and their
  // first controls (at 8) below the tool bar.
  ui::Rect page = w().ts0.Bounds();
  EXPECT_GE(page.h, 245);
  EXPECT_LE(page.y + 245, 263);
  EXPECT_GE(page.y + 8, 24);
}

TEST_F(Window, ToolBarCoversTheTabsAndHoldsItsItemsInOrder) {
  EXPECT_EQ(w().tb.Bounds(), (ui::Rect{0, 0, 547, 24}));
  // Above the page control: the first child in the z-order among the two.
  for (HWND h = GetWindow(w().Handle(), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
    ASSERT_NE(h, w().pc.Handle()) << "page control above the tool bar";
    if (h == w().tb.Handle()) break;
  }
  ui::Rect choix = w().lChoix.Bounds(), choose = w().lChoose.Bounds(), code = w().lCode.Bounds();
  EXPECT_EQ(choix.x, 0);
  EXPECT_EQ(choix.w, 241);
  EXPECT_EQ(GetWindowLongPtrW(w().lChoix.Handle(), GWL_STYLE) & SS_TYPEMASK, SS_RIGHT);
  EXPECT_GT(choose.x, choix.x + choix.w + 2 * 16 + 8);  // two buttons and the separator between
  EXPECT_GE(code.x, choose.x + choose.w + 28);
  EXPECT_EQ(w().lChoix.Text(), "Choisissez une langue => ");
  EXPECT_EQ(w().lChoose.Text(), " <= Choose a language");
  EXPECT_EQ(w().lChoix.Colour(), RGB(255, 255, 255));
  EXPECT_TRUE(w().bFrench.Checked());
  EXPECT_FALSE(w().bEnglish.Checked());
  EXPECT_EQ(w().bFrench.Hint(), "Français");
  EXPECT_EQ(w().bEnglish.Hint(), "English");
  EXPECT_EQ(w().bFrench.Group(), w().bEnglish.Group());
  LOGFONTW lf{};
  GetObjectW(w().lCode.Font(), sizeof lf, &lf);
  EXPECT_STREQ(lf.lfFaceName, L"Small Fonts");
  EXPECT_EQ(ImageList_GetImageCount(w().il16.Get()), 2);
}

TEST_F(Window, FontsColoursAndButtonsFollowTheirRoles) {
  auto font = [](const ui::Control& c) {
    LOGFONTW lf{};
    GetObjectW(c.Font(), sizeof lf, &lf);
    return lf;
  };
  EXPECT_EQ(font(w().rbFS9).lfWeight, FW_BOLD);
  EXPECT_EQ(font(w().rbFS9).lfHeight, ui::PointsToHeight(12, w().form.Dpi()));
  EXPECT_EQ(font(w().l2).lfHeight, ui::PointsToHeight(10, w().form.Dpi()));
  EXPECT_EQ(font(w().b0).lfWeight, FW_BOLD);
  EXPECT_EQ(font(w().b6).lfWeight, FW_BOLD);
  EXPECT_TRUE(font(w().l6v).lfUnderline);
  EXPECT_EQ(w().l6v.Colour(), RGB(0, 255, 255));
  EXPECT_EQ(w().l6bkp.Colour(), RGB(255, 255, 0));
  EXPECT_EQ(w().l2.Colour(), RGB(255, 255, 255));
  // Next and Install carry their glyph at the right, the others at the left.
  for (ui::GlyphButton* b : {&w().s0, &w().s1, &w().s2, &w().s4, &w().s6})
    EXPECT_EQ(b->Side(), ui::GlyphButton::GlyphSide::Right) << b->name;
  for (ui::GlyphButton* b : {&w().p1, &w().q0, &w().b0, &w().t7})
    EXPECT_EQ(b->Side(), ui::GlyphButton::GlyphSide::Left) << b->name;
  for (ui::GlyphButton* b : {&w().s0, &w().p1, &w().q0, &w().b0, &w().t7}) EXPECT_TRUE(b->HasGlyph()) << b->name;
  auto isDefault = [](const ui::Button& b) {
    return (GetWindowLongPtrW(b.Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  };
  for (ui::Button* b : {&w().s0, &w().s1, &w().s2, &w().s4, &w().t7}) EXPECT_TRUE(isDefault(*b)) << b->name;
  for (ui::Button* b : {&w().s6, &w().q0, &w().p1, &w().b0}) EXPECT_FALSE(isDefault(*b)) << b->name;
  EXPECT_EQ(w().rg2v.ItemCount(), 6);
  EXPECT_EQ(w().rg2v.SelectedIndex(), 0);
  EXPECT_EQ(w().rg4q.ItemCount(), 3);
  EXPECT_EQ(w().rg4q.SelectedIndex(), 0);
  EXPECT_TRUE(w().i0.HasImage());
  EXPECT_EQ(w().i2.ImageSize().cx, 1800);
}

TEST_F(Window, EscapeAndEnterPressTheButtonsOfTheActivePage) {
  std::vector<std::string> pressed;
  for (ui::GlyphButton* b : {&w().s0, &w().s1, &w().p1, &w().s6, &w().p6, &w().t7})
    b->onClick = [&pressed, b] { pressed.push_back(b->name); };
  auto key = [&](WPARAM k) {
    SetFocus(w().Handle());
    MSG msg{w().Handle(), WM_KEYDOWN, k, 0};
    w().form.PreTranslate(msg);
  };
  key(VK_RETURN);  // s0 is disabled at first
  w().s0.SetEnabled(true);
  key(VK_RETURN);
  w().pc.SetActivePage(w().ts1);
  key(VK_ESCAPE);
  w().pc.SetActivePage(w().ts6);
  w().s6.SetEnabled(true);
  key(VK_RETURN);  // Install is not a default button
  key(VK_ESCAPE);
  w().pc.SetActivePage(w().ts7);
  key(VK_RETURN);  // Ok is hidden until the end
  w().t7.SetVisible(true);
  key(VK_RETURN);
  EXPECT_EQ(pressed, (std::vector<std::string>{"s0", "p1", "p6", "t7"}));
}

TEST_F(Window, SummaryLinksJumpToTheirPagesWithoutAPageChange) {
  int pageChanges = 0;
  w().pc.onChange = [&] { ++pageChanges; };
  w().pc.SetActivePage(w().ts6);
  for (auto [link, page] : {std::pair{&w().l6v, &w().ts2}, {&w().l6q, &w().ts4}}) {
    w().pc.SetActivePage(w().ts6);
    SendMessageW(link->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(link->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    testing_support::Pump();
    EXPECT_EQ(w().pc.ActivePage(), page) << link->name;
  }
  EXPECT_EQ(pageChanges, 0);
}

TEST_F(Window, ComponentsAreListedInCreationOrderWithUniqueNames) {
  const auto& all = w().Components();
  std::vector<std::string> names;
  for (ui::Component* c : all) names.push_back(c->name);
  auto position = [&](const char* n) { return std::find(names.begin(), names.end(), n) - names.begin(); };
  // The pages, the first page's controls and the tool bar come with the window, the others' controls
  // as their pages are made (here in the wizard's order).
  EXPECT_LT(position("pc"), position("ts0"));
  EXPECT_LT(position("ts7"), position("rbFS9"));
  EXPECT_LT(position("rbFS9"), position("tb"));
  EXPECT_LT(position("tb"), position("bFrench"));
  EXPECT_LT(position("lCode"), position("re1"));
  EXPECT_LT(position("re1"), position("rg2v"));
  EXPECT_LT(position("rg2v"), position("rg4q"));
  EXPECT_LT(position("rg4q"), position("l6v"));
  std::vector<std::string> sorted = names;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
  for (const Expected& e : kControls) EXPECT_LT(position(e.name), static_cast<ptrdiff_t>(names.size())) << e.name;
  for (const char* n : {"pc", "ts0", "ts1", "ts2", "ts4", "ts6", "ts7", "i4_2", "i4_3", "i4_4", "tb", "lChoix",
                        "bFrench", "bEnglish", "lChoose", "lCode"})
    EXPECT_LT(position(n), static_cast<ptrdiff_t>(names.size())) << n;
  EXPECT_EQ(names.size(), std::size(kControls) + 16);
}

// Makes the system refuse every window of one class created on this thread while it lives.
// A page's pictures are decoded when the page is first painted, the banner once for its three pages:
// a start shows only the first page, and the pages nobody opens cost nothing.
TEST(WindowPictures, AreDecodedWhenTheirPageIsFirstShown) {
  std::map<std::string, int> asked;
  WizardTest wizard([&asked](app::TfMain::Options& options) {
    options.artwork = [&asked, files = options.artwork](std::string_view name) {
      ++asked[std::string(name)];
      return files(name);
    };
  });
  auto paint = [&wizard] {
    RedrawWindow(wizard.w().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  };
  paint();
  EXPECT_EQ(asked["banner.jpg"], 1);
  EXPECT_EQ(asked["variants.jpg"], 0);
  for (const char* strip : {"resolutions1.jpg", "resolutions2.jpg", "resolutions5.jpg"}) EXPECT_EQ(asked[strip], 0);
  wizard.w().pc.SetActivePage(wizard.w().ts2);
  paint();
  EXPECT_EQ(asked["variants.jpg"], 1);
  wizard.w().pc.SetActivePage(wizard.w().ts6);
  paint();
  wizard.w().pc.SetActivePage(wizard.w().ts0);
  paint();
  EXPECT_EQ(asked["banner.jpg"], 1);
  EXPECT_EQ(asked["variants.jpg"], 1);
  EXPECT_EQ(asked["resolutions1.jpg"], 0);
}

class RefusedClass {
 public:
  explicit RefusedClass(const wchar_t* className) {
    refused_ = className;
    hook_ = SetWindowsHookExW(WH_CBT, &Hook, nullptr, GetCurrentThreadId());
  }
  ~RefusedClass() { UnhookWindowsHookEx(hook_); }
  bool Active() const { return hook_ != nullptr; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    wchar_t cls[64]{};
    if (code == HCBT_CREATEWND && GetClassNameW(reinterpret_cast<HWND>(wParam), cls, 64) &&
        lstrcmpiW(cls, refused_) == 0)
      return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline const wchar_t* refused_ = nullptr;
  HHOOK hook_ = nullptr;
};

TEST(WindowCreation, FailsWhenTheSystemRefusesAnyOfItsControls) {
  for (const wchar_t* cls : {L"RICHEDIT50W", L"msctls_statusbar32", L"PratiloPicture", L"ToolbarWindow32"}) {
    SCOPED_TRACE(core::Narrow(cls));
    RefusedClass refused(cls);
    ASSERT_TRUE(refused.Active());
    app::TfMain w;
    EXPECT_FALSE(w.Create());
  }
  // A control of a later page refused when its page is made: an error, never a page without it.
  app::TfMain w;
  ASSERT_TRUE(w.Create());
  {
    RefusedClass refused(L"EDIT");
    EXPECT_THROW(w.MakePage(w.ts6), std::runtime_error);
  }
  EXPECT_TRUE(w.PageMade(w.ts6));
  w.MakePage(w.ts2);
  EXPECT_NE(w.rg2v.Handle(), nullptr);
}

// --- Other DPIs: 120, 144 and 192 as well as the design's 96 ---

class WindowAtDpi : public WizardTest, public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    ChangeDpi(Dpi());
    // A hidden page is laid out when it is shown: each is shown once, as on a walk through the wizard.
    for (ui::Page* page : {&w().ts1, &w().ts2, &w().ts4, &w().ts6, &w().ts7, &w().ts0}) w().pc.SetActivePage(*page);
  }
  int Dpi() const { return GetParam(); }
  static LOGFONTW FontOf(const ui::Control& c) {
    LOGFONTW lf{};
    GetObjectW(c.Font(), sizeof lf, &lf);
    return lf;
  }
};

TEST_P(WindowAtDpi, EveryControlTakesItsDesignPlaceScaled) {
  RECT client;
  GetClientRect(w().Handle(), &client);
  EXPECT_EQ(client.right, ui::Scale(547, Dpi()));
  EXPECT_EQ(client.bottom, ui::Scale(263, Dpi()));
  for (const Expected& e : kControls) {
    SCOPED_TRACE(e.name);
    auto* control = dynamic_cast<ui::Control*>(w().FindComponent(e.name));
    ASSERT_NE(control, nullptr);
    const ui::Rect b = control->Bounds(), scaled = ui::ScaleRect(e.bounds, Dpi());
    if (e.kind == Kind::Picture) {
      // A picture is as large as its image: the design size at this DPI.
      EXPECT_EQ(b, (ui::Rect{scaled.x, scaled.y, ui::Scale(e.bounds.w, Dpi()), ui::Scale(e.bounds.h, Dpi())}));
    } else if (e.bounds.w == 0) {
      EXPECT_EQ(b.x, scaled.x);
      EXPECT_EQ(b.y, scaled.y);
    } else {
      EXPECT_EQ(b, scaled);
    }
  }
  EXPECT_EQ(FontOf(w().rbFS9).lfHeight, ui::PointsToHeight(12, Dpi()));
  EXPECT_EQ(FontOf(w().l2).lfHeight, ui::PointsToHeight(10, Dpi()));
  EXPECT_EQ(FontOf(w().s0).lfHeight, ui::PointsToHeight(8, Dpi()));
  EXPECT_EQ(FontOf(w().lCode).lfHeight, ui::PointsToHeight(7, Dpi()));
}

// Every control inside the one that holds it, at any depth. The picture strips inside the view panels
// are meant to be wider than the panels, which show a part of them.
void ExpectChildrenInside(const ui::Control& holder, const ui::Control& view1, const ui::Control& view2) {
  if (&holder == &view1 || &holder == &view2) return;
  const ui::Rect area = holder.Bounds();
  for (HWND h = GetWindow(holder.Handle(), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
    auto* control = ui::Control::FromHandle(h);
    if (!control) continue;
    const ui::Rect b = control->Bounds();
    EXPECT_GE(b.x, 0) << control->name;
    EXPECT_GE(b.y, 0) << control->name;
    EXPECT_LE(b.x + b.w, area.w) << control->name;
    EXPECT_LE(b.y + b.h, area.h) << control->name;
    ExpectChildrenInside(*control, view1, view2);
  }
}

// What the design shows whole at 96 DPI it shows whole at every DPI: each control inside its page or
// the control holding it, each label's text inside its label, the tool bar's labels inside the bar and apart.
TEST_P(WindowAtDpi, NothingIsClippedOrOverlapping) {
  for (ui::Page* page : {&w().ts0, &w().ts1, &w().ts2, &w().ts4, &w().ts6, &w().ts7})
    ExpectChildrenInside(*page, w().pi2, w().pi4);
  ExpectChildrenInside(w().tb, w().pi2, w().pi4);
  for (const Expected& e : kControls) {
    auto* label = dynamic_cast<ui::Label*>(w().FindComponent(e.name));
    if (!label || e.bounds.w == 0) continue;
    const ui::Rect b = label->Bounds();
    const SIZE text = ui::MeasureText(label->Font(), label->Text(), label->WordWrap() ? b.w : 0);
    if (!label->WordWrap()) {
      EXPECT_LE(text.cx, b.w) << e.name;
    }
    // The design's own: at 96 DPI the two lines of Label21 take 26 pixels of its 25.
    if (Dpi() == 96 && std::string_view(e.name) == "Label21") continue;
    EXPECT_LE(text.cy, b.h) << e.name;
  }
  const ui::Rect choix = w().lChoix.Bounds(), choose = w().lChoose.Bounds(), code = w().lCode.Bounds();
  EXPECT_EQ(choix.w, ui::Scale(241, Dpi()));
  EXPECT_GE(choose.w, ui::MeasureText(w().lChoose.Font(), w().lChoose.Text()).cx);
  EXPECT_GT(choose.x, choix.x + choix.w + 2 * ui::Scale(16, Dpi()));
  EXPECT_GE(code.x, choose.x + choose.w + ui::Scale(28, Dpi()));
  for (const ui::Label* l : {&w().lChoix, &w().lChoose, &w().lCode})
    EXPECT_LE(l->Bounds().y + l->Bounds().h, w().tb.Bounds().h) << l->name;
}

TEST_P(WindowAtDpi, GlyphsAndFlagsComeAtTheirScaledSizeFromTheNearerDrawing) {
  const int size = ui::Scale(16, Dpi());
  int width = 0, height = 0;
  ImageList_GetIconSize(w().il16.Get(), &width, &height);
  EXPECT_EQ(width, size);
  EXPECT_EQ(height, size);
  EXPECT_EQ(ImageList_GetImageCount(w().il16.Get()), 2);
  for (ui::GlyphButton* b : {&w().b0, &w().s0, &w().q0, &w().p1, &w().t7}) {
    BUTTON_IMAGELIST list{};
    SendMessageW(b->Handle(), BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list));
    ASSERT_NE(list.himl, nullptr) << b->name;
    ImageList_GetIconSize(list.himl, &width, &height);
    EXPECT_EQ(width, size) << b->name;
    EXPECT_EQ(list.margin.left, ui::Scale(4, Dpi())) << b->name;
  }
  // At 96 and 192 DPI a drawing is shown exactly as drawn: the banner's pixels are the file's.
  if (Dpi() % 96 != 0) return;
  const char* file = Dpi() == 96 ? "banner.jpg" : "banner_2x.jpg";
  const ui::Image banner = app::LoadPicture(app::ArtworkFromFolder(Temp().path() + "art"), file);
  ASSERT_EQ(banner.width, ui::Scale(105, Dpi()));
  for (auto [x, y] : {std::pair{0, 0}, {banner.width / 2, banner.height / 3}, {banner.width - 1, banner.height - 1}}) {
    const COLORREF drawn =
        testing_support::DrawnPixel(w().i0.Handle(), WM_PRINTCLIENT, {banner.width, banner.height}, x, y);
    const uint32_t pixel = banner.Pixel(x, y);
    EXPECT_EQ(drawn, RGB(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF)) << x << "," << y;
  }
}

INSTANTIATE_TEST_SUITE_P(Dpis, WindowAtDpi, ::testing::Values(96, 120, 144, 192));

}  // namespace
