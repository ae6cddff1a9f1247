// Under Windows' high contrast the wizard writes in the user's scheme; otherwise in its own colours.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/wizard/Credits.h"
#include "app/wizard/Palette.h"
#include "core/Utf8.h"
#include "support/Keyboard.h"
#include "support/Wizard.h"
#include "ui/dialogs/Application.h"

namespace {

COLORREF BrushColour(HBRUSH brush) {
  LOGBRUSH lb{};
  GetObjectW(brush, sizeof lb, &lb);
  return lb.lbColor;
}

// Every piece of both texts in both languages: in the user's scheme the address alone takes the link
// colour and is still told as the address; in the wizard's own colours nothing changes.
TEST(Palette, TheTextsTakeTheSchemesColoursAndTheAddressStaysTheLink) {
  const app::Palette scheme = app::WizardPalette(true), own = app::WizardPalette(false);
  ASSERT_TRUE(scheme.system);
  for (char lang : {'F', 'E'}) {
    for (const auto& pieces : {app::PresentationPieces(lang), app::LicencePieces(lang)}) {
      EXPECT_EQ(app::InPaletteColours(pieces, own), pieces);
      const auto recoloured = app::InPaletteColours(pieces, scheme);
      ASSERT_EQ(recoloured.size(), pieces.size());
      int addresses = 0;
      for (size_t i = 0; i < pieces.size(); ++i) {
        const bool address = pieces[i].text == app::kContactAddress;
        addresses += address;
        EXPECT_EQ(recoloured[i].text, pieces[i].text);
        EXPECT_EQ(recoloured[i].format.colour, address ? scheme.documentLink : scheme.documentText);
        EXPECT_EQ(app::IsMailLinkFormat(recoloured[i].format, scheme.documentLink), address);
      }
      EXPECT_GE(addresses, 1);
    }
  }
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
  EXPECT_EQ(w().l6v.Colour(), GetSysColor(COLOR_HOTLIGHT));

  w().SetLanguage('E');
  std::wstring shown = core::Widen(w().re0.PlainText());
  for (size_t at; (at = shown.find(L"\r\n")) != std::wstring::npos;) shown.erase(at, 1);
  const int address = static_cast<int>(shown.find(core::Widen(app::kContactAddress)));
  ASSERT_GT(address, 0);
  EXPECT_EQ(w().re0.FormatAt(0).colour, GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(w().re0.FormatAt(address).colour, GetSysColor(COLOR_HOTLIGHT));
  SetFocus(w().re0.Handle());
  w().re0.Select(address + 1, address + 1);
  testing_support::PressKey(VK_RETURN);
  EXPECT_EQ(opened.size(), 1u);
}

}  // namespace
