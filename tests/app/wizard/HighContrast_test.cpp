// Under Windows' high contrast the wizard writes in the user's scheme, texts and links included.
#include <gtest/gtest.h>

#include <windows.h>

#include "support/Keyboard.h"
#include "support/Wizard.h"
#include "ui/dialogs/Application.h"

namespace {

COLORREF BrushColour(HBRUSH brush) {
  LOGBRUSH lb{};
  GetObjectW(brush, sizeof lb, &lb);
  return lb.lbColor;
}

class HighContrast : public testing_support::WizardTest, public ::testing::Test {
 protected:
  HighContrast()
      : WizardTest([this](app::TfMain::Options& o) {
          o.highContrast = true;
          o.openDocument = [this](const std::string& d) { opened.push_back(d); };
        }) {}
  void SetUp() override { ui::App().Initialize(); }
  std::vector<std::string> opened;
};

TEST_F(HighContrast, TheWizardDrawsWithTheUsersSchemeAndTheMailLinkStillWorks) {
  const COLORREF face = GetSysColor(COLOR_BTNFACE), text = GetSysColor(COLOR_BTNTEXT);
  EXPECT_EQ(BrushColour(w().form.BackgroundBrush()), face);
  for (const ui::Page* page : {&w().ts0, &w().ts1, &w().ts2, &w().ts4, &w().ts6, &w().ts7})
    EXPECT_EQ(BrushColour(page->BackgroundBrush()), face) << page->name;
  EXPECT_EQ(BrushColour(w().tb.BackgroundBrush()), face);
  for (const ui::Label* label : {&w().l0, &w().l2, &w().l6Dossier, &w().l6bkp, &w().l7err, &w().lChoix})
    EXPECT_EQ(label->Colour(), text) << label->name;
  EXPECT_EQ(w().l6v.Colour(), text);

  w().SetLanguage('E');
  const int address = MailAddressAt(w().re0);
  ASSERT_GT(address, 0);
  EXPECT_EQ(w().re0.FormatAt(0).colour, GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(w().re0.FormatAt(address).colour, GetSysColor(COLOR_HOTLIGHT));
  SetFocus(w().re0.Handle());
  w().re0.Select(address + 1, address + 1);
  testing_support::PressKey(VK_RETURN);
  EXPECT_EQ(opened.size(), 1u);
}

}  // namespace
