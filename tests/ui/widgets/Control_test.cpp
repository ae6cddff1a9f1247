// What every kind of control keeps from its creation: name, tag, place, visibility and state, and
// the way back from its window to its wrapper. Checked here once for all the kinds.
#include "ui/widgets/Control.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "support/Gui.h"
#include "ui/widgets/Button.h"
#include "ui/widgets/CheckBox.h"
#include "ui/widgets/CheckListBox.h"
#include "ui/widgets/Edit.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/PageControl.h"
#include "ui/widgets/Panel.h"
#include "ui/widgets/RadioButton.h"
#include "ui/widgets/RichText.h"
#include "ui/widgets/StatusBar.h"

namespace {

// Creates a control of the kind with the common fields given, hidden and disabled.
template <class Kind>
std::unique_ptr<ui::Control> Make(HWND parent, const char* name) {
  auto control = std::make_unique<Kind>();
  bool made = control->Create({.parent = parent, .bounds = {112, 32, 200, 40}, .name = name, .tag = 71,
                               .visible = false, .enabled = false});
  return made ? std::move(control) : nullptr;
}

TEST(Controls, EveryKindKeepsWhatItWasCreatedWith) {
  testing_support::Host host;
  const std::pair<const char*, std::function<std::unique_ptr<ui::Control>(HWND)>> kinds[] = {
      {"Button", [](HWND p) { return Make<ui::Button>(p, "Button"); }},
      {"CheckBox", [](HWND p) { return Make<ui::CheckBox>(p, "CheckBox"); }},
      {"RadioButton", [](HWND p) { return Make<ui::RadioButton>(p, "RadioButton"); }},
      {"Edit", [](HWND p) { return Make<ui::Edit>(p, "Edit"); }},
      {"Label", [](HWND p) { return Make<ui::Label>(p, "Label"); }},
      {"Panel", [](HWND p) { return Make<ui::Panel>(p, "Panel"); }},
      {"CheckListBox", [](HWND p) { return Make<ui::CheckListBox>(p, "CheckListBox"); }},
      {"RichText", [](HWND p) { return Make<ui::RichText>(p, "RichText"); }},
      {"StatusBar", [](HWND p) { return Make<ui::StatusBar>(p, "StatusBar"); }},
  };
  for (const auto& [kind, make] : kinds) {
    SCOPED_TRACE(kind);
    std::unique_ptr<ui::Control> control = make(host.Handle());
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->name, kind);
    EXPECT_EQ(control->tag, 71);
    EXPECT_EQ(control->Bounds(), (ui::Rect{112, 32, 200, 40}));
    EXPECT_FALSE(control->Visible());
    EXPECT_FALSE(control->Enabled());
    EXPECT_EQ(ui::Control::FromHandle(control->Handle()), control.get());
    control->SetVisible(true);
    control->SetEnabled(true);
    EXPECT_TRUE(control->Visible());
    EXPECT_TRUE(control->Enabled());
  }
}

// The way back from a window to its wrapper ends with the window, however it goes: destroyed with its
// parent, or with the wrapper.
TEST(Controls, AWrapperLetsGoOfAWindowThatGoes) {
  testing_support::Host host;
  ui::Panel panel;
  ASSERT_TRUE(panel.Create({.parent = host.Handle(), .bounds = {0, 0, 100, 100}}));
  ui::Button inside;
  ASSERT_TRUE(inside.Create({.parent = panel.Handle(), .bounds = {0, 0, 50, 20}, .text = "Ok"}));
  const HWND button = inside.Handle();
  DestroyWindow(panel.Handle());
  EXPECT_EQ(inside.Handle(), nullptr);
  EXPECT_EQ(ui::Control::FromHandle(button), nullptr);
  HWND alone = nullptr;
  {
    ui::Button gone;
    ASSERT_TRUE(gone.Create({.parent = host.Handle(), .bounds = {0, 0, 50, 20}, .text = "Ok"}));
    alone = gone.Handle();
  }
  EXPECT_FALSE(IsWindow(alone));
  EXPECT_EQ(ui::Control::FromHandle(alone), nullptr);
}

// A wrapper whose window was never made (or is gone) answers "nothing" and changes nothing: no index 0
// that could be taken for a real line, and no message sent to a null window, which some calls take
// to mean the whole screen.
TEST(Controls, WithoutAWindowAnswerNothing) {
  ui::CheckListBox list;
  EXPECT_EQ(list.AddLine("a"), LB_ERR);
  EXPECT_EQ(list.LineCount(), 0);
  EXPECT_EQ(list.SelectedIndex(), -1);
  EXPECT_EQ(list.LineText(0), "");
  list.SetChecked(0, true);
  EXPECT_FALSE(list.Checked(0));
  ui::PageControl tabs;
  EXPECT_EQ(tabs.ActivePageIndex(), -1);
  EXPECT_EQ(tabs.ActivePage(), nullptr);
  ui::RichText rich;
  EXPECT_EQ(rich.PlainText(), "");
  ui::StatusBar bar;
  EXPECT_FALSE(bar.SetSimpleText("x"));
  EXPECT_EQ(bar.SimpleText(), "");
  ui::CheckBox box;
  box.SetChecked(true);
  EXPECT_FALSE(box.Checked());
  ui::Label label;
  label.SetText("x");
  EXPECT_EQ(label.Text(), "");
  EXPECT_EQ(label.LineHeight(), 0);
  EXPECT_EQ(label.Font(), nullptr);
}

}  // namespace
