#include "ui/widgets/RadioGroup.h"

#include <gtest/gtest.h>

#include "support/Gui.h"

namespace {

TEST(RadioGroupLayout, FillsColumnsTopToBottomAndSharesTheSpareHeight) {
  struct Case {
    int width, height, count, columns, textHeight;
    std::vector<ui::Rect> expected;
  };
  const Case cases[] = {
      // Six variants in two columns of three: 55 spare pixels make rows of 18 with 1 left over.
      {225, 73, 6, 2, 13,
       {{8, 14, 107, 18}, {8, 32, 107, 18}, {8, 50, 107, 18}, {115, 14, 107, 18}, {115, 32, 107, 18}, {115, 50, 107, 18}}},
      // Three resolutions side by side.
      {225, 49, 3, 3, 13, {{8, 14, 71, 31}, {79, 14, 71, 31}, {150, 14, 71, 31}}},
      // More columns than items leaves the extra columns empty.
      {100, 40, 1, 4, 13, {{8, 14, 22, 22}}},
      // Five items in two columns: the first column holds three.
      {110, 60, 5, 2, 10, {{8, 11, 50, 15}, {8, 26, 50, 15}, {8, 41, 50, 15}, {58, 11, 50, 15}, {58, 26, 50, 15}}},
      // Zero columns count as one.
      {50, 40, 2, 0, 10, {{8, 11, 40, 12}, {8, 23, 40, 12}}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ui::RadioGroupLayout(c.width, c.height, c.count, c.columns, c.textHeight), c.expected)
        << c.count << " in " << c.columns;
  EXPECT_TRUE(ui::RadioGroupLayout(225, 73, 0, 2, 13).empty());
}

// At 144 DPI the group is given its scaled size and text height; its own margins scale with them.
TEST(RadioGroupLayout, MarginsScaleWithTheDpi) {
  EXPECT_EQ(ui::RadioGroupLayout(338, 110, 6, 2, 19, 144),
            (std::vector<ui::Rect>{{12, 22, 161, 27}, {12, 49, 161, 27}, {12, 76, 161, 27},
                                   {173, 22, 161, 27}, {173, 49, 161, 27}, {173, 76, 161, 27}}));
}

struct Group {
  testing_support::Host host;
  ui::RadioGroup group;
  int clicks = 0;
  Group() {
    group.Create({.parent = host.Handle(), .bounds = {312, 64, 225, 73}, .name = "rg2v", .tag = 22,
                  .colour = RGB(255, 255, 255), .columns = 2,
                  .items = {"Variante 1", "Variante 2", "Variante 3", "Variante 4", "Variante 5", "Grille de test"},
                  .selected = 0});
    group.onClick = [this] { ++clicks; };
  }
  bool ItemChecked(int i) { return SendMessageW(group.Item(i)->Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
};

TEST(RadioGroup, SelectionFromCodeIsClampedShownAndSilent) {
  Group g;
  EXPECT_EQ(g.group.ItemCount(), 6);
  EXPECT_EQ(g.group.SelectedIndex(), 0);
  EXPECT_TRUE(g.ItemChecked(0));
  g.group.SetSelectedIndex(9);
  EXPECT_EQ(g.group.SelectedIndex(), 5);
  EXPECT_TRUE(g.ItemChecked(5));
  EXPECT_FALSE(g.ItemChecked(0));
  g.group.SetSelectedIndex(-4);
  EXPECT_EQ(g.group.SelectedIndex(), -1);
  for (int i = 0; i < 6; ++i) EXPECT_FALSE(g.ItemChecked(i));
  EXPECT_EQ(g.clicks, 0);
}

TEST(RadioGroup, ClickingAnItemSelectsItAndRaisesTheEvent) {
  Group g;
  int seenIndex = -2;
  g.group.onClick = [&] { seenIndex = g.group.SelectedIndex(); };
  SendMessageW(g.group.Item(3)->Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(seenIndex, 3);
  EXPECT_TRUE(g.ItemChecked(3));
  EXPECT_FALSE(g.ItemChecked(0));
}

TEST(RadioGroup, RefillingReplacesTheItemsAndForgetsTheSelection) {
  Group g;
  g.group.SetSelectedIndex(2);
  g.group.ClearItems();
  EXPECT_EQ(g.group.ItemCount(), 0);
  EXPECT_EQ(g.group.SelectedIndex(), -1);
  g.group.SetSelectedIndex(1);
  EXPECT_EQ(g.group.SelectedIndex(), -1);  // nothing to select
  for (const char* text : {"1024", "512", "256"}) g.group.AddItem(text);
  EXPECT_EQ(g.group.ItemText(1), "512");
  EXPECT_EQ(g.group.ItemText(3), "");
  EXPECT_EQ(g.group.Item(3), nullptr);
  g.group.SetSelectedIndex(2);
  EXPECT_TRUE(g.ItemChecked(2));
  // The new items take the group's place and colour.
  EXPECT_EQ(g.group.Item(0)->Bounds().x, 8);
  EXPECT_EQ(GetParent(g.group.Item(0)->Handle()), g.group.Handle());
}

// A change of language gives as many items: the buttons stay, so the keyboard stays on the same one.
TEST(RadioGroup, AsManyNewItemsRenameTheButtonsAndForgetTheSelection) {
  Group g;
  const HWND third = g.group.Item(2)->Handle();
  SetFocus(third);
  g.group.SetSelectedIndex(2);
  g.group.SetItems({"Variation 1", "Variation 2", "Variation 3", "Variation 4", "Variation 5", "Test grid"});
  EXPECT_EQ(g.group.Item(2)->Handle(), third);
  EXPECT_EQ(GetFocus(), third);
  EXPECT_EQ(g.group.ItemText(5), "Test grid");
  EXPECT_EQ(g.group.SelectedIndex(), -1);
  for (int i = 0; i < 6; ++i) EXPECT_FALSE(g.ItemChecked(i));
  EXPECT_EQ(g.clicks, 0);
}

TEST(RadioGroup, TheKeyboardStaysInTheGroupWhenItsItemsAreReplaced) {
  Group g;
  SetFocus(g.group.Item(2)->Handle());
  g.group.SetSelectedIndex(2);
  g.group.ClearItems();
  EXPECT_TRUE(GetFocus() == g.group.Handle());
  for (const char* text : {"Variation 1", "Variation 2", "Variation 3"}) g.group.AddItem(text);
  g.group.SetSelectedIndex(2);
  EXPECT_EQ(GetFocus(), g.group.Item(2)->Handle());
}

}  // namespace
