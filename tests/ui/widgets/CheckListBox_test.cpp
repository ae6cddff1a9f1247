#include "ui/widgets/CheckListBox.h"

#include <gtest/gtest.h>

#include "support/Gui.h"
#include "ui/widgets/Edit.h"

namespace {

TEST(CheckListBox, LinesCarryTextCheckStateAndSelection) {
  testing_support::Host host;
  ui::CheckListBox list;
  ASSERT_TRUE(list.Create({.parent = host.Handle(), .bounds = {112, 32, 425, 97}, .name = "clb7"}));
  EXPECT_EQ(list.AddLine("Sauvegarde de la texture originale"), 0);
  EXPECT_EQ(list.AddLine("Installation de Pratilo Variante 2 Résolution 512 x 512"), 1);
  EXPECT_EQ(list.LineCount(), 2);
  EXPECT_EQ(list.LineText(1), "Installation de Pratilo Variante 2 Résolution 512 x 512");
  EXPECT_EQ(list.LineText(5), "");
  EXPECT_EQ(list.SelectedIndex(), -1);
  list.SetSelectedIndex(0);
  EXPECT_EQ(list.SelectedIndex(), 0);
  EXPECT_FALSE(list.Checked(0));
  list.SetChecked(0, true);
  EXPECT_TRUE(list.Checked(0));
  EXPECT_FALSE(list.Checked(1));
  EXPECT_FALSE(list.Checked(7));
  list.SetSelectedIndex(-1);
  EXPECT_EQ(list.SelectedIndex(), -1);
  list.SetEnabled(false);
  EXPECT_FALSE(list.Enabled());
  list.Clear();
  EXPECT_EQ(list.LineCount(), 0);
  EXPECT_EQ(list.AddLine("again"), 0);
  EXPECT_FALSE(list.Checked(0));  // a new line starts unticked
}

TEST(CheckListBox, AClickOnALinesBoxTogglesIt) {
  testing_support::Host host;
  ui::CheckListBox list;
  list.Create({.parent = host.Handle(), .bounds = {0, 0, 200, 97}});
  list.AddLine("a");
  list.AddLine("b");
  RECT r;
  SendMessageW(list.Handle(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
  LPARAM onBox = MAKELPARAM(6, (r.top + r.bottom) / 2);
  SendMessageW(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, onBox);
  SendMessageW(list.Handle(), WM_LBUTTONUP, 0, onBox);
  EXPECT_TRUE(list.Checked(1));
  EXPECT_FALSE(list.Checked(0));
  LPARAM onText = MAKELPARAM(100, (r.top + r.bottom) / 2);
  SendMessageW(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, onText);
  SendMessageW(list.Handle(), WM_LBUTTONUP, 0, onText);
  EXPECT_TRUE(list.Checked(1));  // the text only selects
  EXPECT_EQ(list.SelectedIndex(), 1);
}

// As for every control, only the user's changes raise the event, not the program's own.
TEST(Edit, ChangesTheUserMakesRaiseTheEventTheProgramsOwnDoNot) {
  testing_support::Host host;
  ui::Edit edit;
  ASSERT_TRUE(edit.Create({.parent = host.Handle(), .bounds = {120, 152, 393, 21}, .name = "e6"}));
  std::vector<std::string> seen;
  edit.onChange = [&] { seen.push_back(edit.Text()); };
  edit.SetText("C:\\FS9\\");
  EXPECT_EQ(edit.Text(), "C:\\FS9\\");
  SetWindowTextW(edit.Handle(), L"D:\\Jeux\\FSX\\");  // as another program would, or a paste
  SendMessageW(edit.Handle(), WM_CHAR, 'x', 0);        // typed
  EXPECT_EQ(seen, (std::vector<std::string>{"D:\\Jeux\\FSX\\", "xD:\\Jeux\\FSX\\"}));
}

}  // namespace
