#include "ui/widgets/ToolBar.h"

#include <gtest/gtest.h>

#include <oleacc.h>

#include "support/Gui.h"
#include "support/Keyboard.h"
#include "ui/widgets/Label.h"

namespace {

struct Bar {
  testing_support::Host host;
  ui::ImageList images{ImageList_Create(16, 16, ILC_COLOR32, 2, 0)};
  ui::ToolBar tb;
  ui::ToolButton french, english, alone;
  ui::Label label;
  std::vector<std::string> clicks;
  ui::Rect place;
  Bar() {
    tb.Create({.parent = host.Handle(), .bounds = {0, 0, 547, 24}, .name = "tb", .images = images.Get(),
               .background = RGB(94, 94, 42)});
    place = tb.ItemRect(tb.AddPlace(241));
    tb.AddCheckButton(french, {.name = "bFrench", .image = 0, .hint = "Français", .group = 1, .checked = true});
    tb.AddSeparator(8);
    tb.AddCheckButton(english, {.name = "bEnglish", .image = 1, .hint = "English", .group = 1});
    tb.AddCheckButton(alone, {.name = "bAlone", .image = 1});
    label.Create({.parent = tb.Handle(), .bounds = place, .name = "lChoix", .text = "Choisissez une langue => ",
                  .align = ui::Align::Right});
    for (ui::ToolButton* b : {&french, &english, &alone}) b->onClick = [this, b] { clicks.push_back(b->name); };
  }
  // A mouse click in the middle of a button, as the user makes it.
  void ClickAt(const ui::ToolButton& b) {
    int index = static_cast<int>(SendMessageW(tb.Handle(), TB_COMMANDTOINDEX, b.CommandId(), 0));
    RECT r;
    SendMessageW(tb.Handle(), TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(tb.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(tb.Handle(), WM_LBUTTONUP, 0, at);
    testing_support::Pump();
  }
};

TEST(ToolBar, GroupedButtonsKeepExactlyOnePressed) {
  Bar b;
  EXPECT_TRUE(b.french.Checked());
  EXPECT_FALSE(b.english.Checked());
  b.ClickAt(b.english);
  EXPECT_TRUE(b.english.Checked());
  EXPECT_FALSE(b.french.Checked());
  b.ClickAt(b.english);  // pressing the pressed one keeps it pressed
  EXPECT_TRUE(b.english.Checked());
  EXPECT_FALSE(b.french.Checked());
  b.french.SetChecked(true);  // from code: the group rule holds, no event
  EXPECT_FALSE(b.english.Checked());
  EXPECT_EQ(b.clicks, (std::vector<std::string>{"bEnglish", "bEnglish"}));
}

TEST(ToolBar, ButtonsOutsideAGroupToggleAndLeaveTheGroupAlone) {
  Bar b;
  b.ClickAt(b.alone);
  EXPECT_TRUE(b.alone.Checked());
  EXPECT_TRUE(b.french.Checked());
  b.ClickAt(b.alone);
  EXPECT_FALSE(b.alone.Checked());
  b.alone.SetEnabled(false);
  EXPECT_FALSE(b.alone.Enabled());
  b.ClickAt(b.alone);
  EXPECT_EQ(b.clicks.size(), 2u);
}

TEST(ToolBar, PlacesHoldChildControlsInLineWithTheButtons) {
  Bar b;
  EXPECT_EQ(b.place.x, 0);
  EXPECT_EQ(b.place.w, 241);
  EXPECT_EQ(b.label.Bounds(), b.place);
  EXPECT_EQ(b.tb.ButtonCount(), 5);
  int french = static_cast<int>(SendMessageW(b.tb.Handle(), TB_COMMANDTOINDEX, b.french.CommandId(), 0));
  RECT r;
  SendMessageW(b.tb.Handle(), TB_GETITEMRECT, french, reinterpret_cast<LPARAM>(&r));
  EXPECT_GE(r.left, 241);  // the button follows the label's place
  // Children of the bar paint on its colour.
  LOGBRUSH lb{};
  GetObjectW(b.label.BackgroundBrush(), sizeof lb, &lb);
  EXPECT_EQ(lb.lbColor, RGB(94, 94, 42));
}

TEST(ToolBar, AnswersHintRequestsWithTheButtonsHint) {
  Bar b;
  for (ui::ToolButton* button : {&b.french, &b.english}) {
    wchar_t text[64] = L"unchanged";
    NMTBGETINFOTIPW tip{};
    tip.hdr = {b.tb.Handle(), 0, TBN_GETINFOTIPW};
    tip.pszText = text;
    tip.cchTextMax = 64;
    tip.iItem = button->CommandId();
    SendMessageW(b.host.Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    EXPECT_STREQ(text, button == &b.french ? L"Français" : L"English");
  }
}

// As in Windows' own bars: the keyboard lands on the pressed button, the arrows go round the enabled
// ones, Space and Enter press the one it is on, and the mark goes with the keyboard.
TEST(ToolBar, TheArrowsMoveBetweenTheButtonsAndSpaceOrEnterPressesOne) {
  using testing_support::PressKey;
  Bar b;
  b.alone.SetEnabled(false);
  SetFocus(b.tb.Handle());
  EXPECT_EQ(b.tb.KeyboardButton(), &b.french);
  PressKey(VK_RIGHT);
  EXPECT_EQ(b.tb.KeyboardButton(), &b.english);
  PressKey(VK_RIGHT);  // past the disabled one, round to the first
  EXPECT_EQ(b.tb.KeyboardButton(), &b.french);
  PressKey(VK_LEFT);
  EXPECT_EQ(b.tb.KeyboardButton(), &b.english);
  PressKey(VK_SPACE);
  EXPECT_TRUE(b.english.Checked());
  EXPECT_FALSE(b.french.Checked());
  b.alone.SetEnabled(true);
  PressKey(VK_DOWN);
  PressKey(VK_RETURN);
  EXPECT_TRUE(b.alone.Checked());
  EXPECT_EQ(b.clicks, (std::vector<std::string>{"bEnglish", "bAlone"}));  // once per key, not per key up
  SetFocus(b.host.Handle());
  EXPECT_EQ(b.tb.KeyboardButton(), nullptr);
  PressKey(VK_SPACE);  // the bar no longer has the keyboard
  EXPECT_EQ(b.clicks.size(), 2u);
}

TEST(ToolBar, AScreenReaderReadsTheBarsNameAndEachButtonsHint) {
  using testing_support::ReadForScreenReader;
  Bar b;
  b.tb.SetAccessibleName("Langue");
  const auto bar = ReadForScreenReader(b.tb.Handle());
  ASSERT_TRUE(bar.found);
  EXPECT_EQ(bar.name, "Langue");
  EXPECT_EQ(bar.role, ROLE_SYSTEM_TOOLBAR);
  // Items count from 1 in the bar's order: the label's place, French, a separator, English.
  for (auto [item, hint] : {std::pair{2L, "Français"}, {4L, "English"}}) {
    const auto button = ReadForScreenReader(b.tb.Handle(), item);
    EXPECT_EQ(button.name, hint);
    EXPECT_EQ(button.role, ROLE_SYSTEM_CHECKBUTTON);
  }
  b.tb.SetAccessibleName("Language");
  EXPECT_EQ(ReadForScreenReader(b.tb.Handle()).name, "Language");
}

TEST(ToolBar, AButtonOfABarThatDoesNotExistStaysDetached) {
  ui::ToolBar missing;  // never created
  ui::ToolButton button;
  int clicks = 0;
  button.onClick = [&] { ++clicks; };
  EXPECT_FALSE(missing.AddCheckButton(button, {.name = "bFrench", .group = 1, .checked = true}));
  EXPECT_FALSE(button.Added());
  EXPECT_FALSE(button.Checked());
  button.Click();
  EXPECT_EQ(clicks, 0);
  Bar b;
  EXPECT_TRUE(b.french.Added());
}

}  // namespace
