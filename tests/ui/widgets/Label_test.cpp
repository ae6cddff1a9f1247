#include "ui/widgets/Label.h"

#include <gtest/gtest.h>

#include "support/Gui.h"
#include "ui/base/DpiScaling.h"
#include "ui/widgets/Edit.h"
#include "ui/widgets/LinkLabel.h"

namespace {

TEST(Label, WithoutASizeFollowsItsTextWithASizeKeepsIt) {
  testing_support::Host host;
  ui::Label autoSized, fixed;
  autoSized.Create({.parent = host.Handle(), .bounds = {312, 48}, .name = "Label2", .text = "Quel est votre choix ?"});
  fixed.Create({.parent = host.Handle(), .bounds = {312, 8, 225, 41}, .name = "l2", .text = "x", .wordWrap = true});
  ui::Rect first = autoSized.Bounds();
  EXPECT_EQ(first.x, 312);
  EXPECT_EQ(first.y, 48);
  EXPECT_GT(first.w, 40);
  EXPECT_GT(first.h, 5);
  autoSized.SetText("What is your choice ? (a longer text)");
  ui::Rect longer = autoSized.Bounds();
  EXPECT_GT(longer.w, first.w);
  EXPECT_EQ(longer.h, first.h);
  autoSized.SetText("");
  EXPECT_LT(autoSized.Bounds().w, first.w);
  EXPECT_EQ(autoSized.Bounds().h, first.h);  // an empty label keeps a line's height
  fixed.SetText("Pratilo existe en cinq variantes : une phrase assez longue pour passer à la ligne");
  EXPECT_EQ(fixed.Bounds(), (ui::Rect{312, 8, 225, 41}));
  EXPECT_TRUE(autoSized.AutoSize());
  EXPECT_FALSE(fixed.AutoSize());
}

TEST(Label, WrappedWithAWidthItsHeightFollowsTheLinesUnwrappedItTakesItsLongestLine) {
  testing_support::Host host;
  const std::string sentence =
      "Une phrase assez longue pour passer plusieurs fois à la ligne dans une étiquette étroite.";
  ui::Label wrapped, lines;
  ASSERT_TRUE(
      wrapped.Create({.parent = host.Handle(), .bounds = {48, 8, 120, 0}, .text = sentence, .wordWrap = true}));
  ASSERT_TRUE(
      lines.Create({.parent = host.Handle(), .bounds = {8, 100}, .text = "court\r\nune ligne plus longue\r\nfin"}));
  const int line = static_cast<int>(ui::MeasureText(wrapped.Font(), "x").cy);
  ui::Rect narrow = wrapped.Bounds();
  EXPECT_EQ(narrow.x, 48);
  EXPECT_EQ(narrow.w, 120);
  EXPECT_GT(narrow.h, 2 * line);
  EXPECT_EQ(narrow.h % line, 0);
  wrapped.SetWidth(2000);
  EXPECT_EQ(wrapped.Bounds(), (ui::Rect{48, 8, 2000, line}));
  wrapped.SetWidth(120);
  EXPECT_EQ(wrapped.Bounds(), narrow);
  EXPECT_TRUE(wrapped.WordWrap());
  // Without word wrap the line breaks still count, and a width given is taken back.
  ui::Rect three = lines.Bounds();
  EXPECT_EQ(three.h, 3 * line);
  EXPECT_EQ(three.w, ui::MeasureText(lines.Font(), "une ligne plus longue").cx);
  lines.SetWidth(500);
  EXPECT_EQ(lines.Bounds(), three);
}

TEST(Label, PaintsInItsColourOnTheParentsBackground) {
  testing_support::Host host;
  ui::Label label;
  label.Create({.parent = host.Handle(), .text = "Ok", .colour = RGB(255, 255, 0)});
  HDC dc = GetDC(host.Handle());
  LRESULT brush = SendMessageW(host.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                               reinterpret_cast<LPARAM>(label.Handle()));
  EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), GetSysColorBrush(COLOR_BTNFACE));
  EXPECT_EQ(GetTextColor(dc), RGB(255, 255, 0));
  EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  ReleaseDC(host.Handle(), dc);
}

TEST(Label, LiesUnderTheOtherControlsItOverlaps) {
  // A list created after a label that reaches into it must not be covered by the label's background.
  testing_support::Host host;
  ui::Label label, later;
  ui::Edit first, list, last;
  first.Create({.parent = host.Handle()});
  label.Create({.parent = host.Handle(), .bounds = {112, 8, 416, 33}, .text = "Installation en cours :"});
  list.Create({.parent = host.Handle(), .bounds = {112, 32, 425, 97}});
  later.Create({.parent = host.Handle(), .text = "b"});
  last.Create({.parent = host.Handle()});
  // Top to bottom: the other controls in creation order (which is the tab order), then the labels.
  std::vector<HWND> expected{first.Handle(), list.Handle(), last.Handle(), label.Handle(), later.Handle()};
  std::vector<HWND> order;
  for (HWND h = GetWindow(host.Handle(), GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) order.push_back(h);
  EXPECT_EQ(order, expected);
  EXPECT_TRUE(GetWindowLongPtrW(label.Handle(), GWL_STYLE) & WS_CLIPSIBLINGS);
}

TEST(LinkLabel, IsAquaUnderlinedWithAHandAndReportsClicks) {
  testing_support::Host host;
  ui::Font bold = ui::Font::Create({.bold = true}, ui::kDesignDpi);
  ui::LinkLabel link;
  ASSERT_TRUE(link.Create({.parent = host.Handle(), .bounds = {136, 56}, .name = "l6v", .tag = 22, .font = bold.Get(),
                           .text = "Variation 2"}));
  EXPECT_EQ(link.Colour(), ui::kLinkColour);
  LOGFONTW lf{};
  GetObjectW(link.Font(), sizeof lf, &lf);
  EXPECT_TRUE(lf.lfUnderline);
  EXPECT_EQ(lf.lfWeight, FW_BOLD);  // the rest of the font is kept
  LRESULT handled = SendMessageW(link.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(link.Handle()),
                                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_TRUE(handled);
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));
  int clicks = 0;
  link.onClick = [&] { ++clicks; };
  SendMessageW(link.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageW(link.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  testing_support::Pump();
  EXPECT_EQ(clicks, 1);
  link.SetText("Grille de test");  // a link sizes itself like a label
  EXPECT_GT(link.Bounds().w, 50);
}

}  // namespace
