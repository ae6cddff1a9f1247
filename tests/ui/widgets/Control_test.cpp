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

}  // namespace
