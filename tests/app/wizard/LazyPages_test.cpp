// A page whose controls are made when it is first shown must show what it would have shown had they
// been made with the window: the same texts in both languages, places and fonts at every DPI, choices
// and states. Each case runs once with every page made at creation and once with the pages made as a
// user reaches them, and compares every control.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>
#include <string>

#include "app/wizard/TfMain.h"
#include "core/Settings.h"
#include "support/Setups.h"
#include "support/TempFolder.h"
#include "support/Wizard.h"

namespace {

using testing_support::WizardTest;

// What a user (or a screen reader) can tell of each control, and the window's own state.
std::map<std::string, std::string> Shown(app::TfMain& w) {
  std::map<std::string, std::string> all;
  for (ui::Component* c : w.Components()) {
    std::ostringstream out;
    out << "tag " << c->tag;
    if (auto* control = dynamic_cast<ui::Control*>(c)) {
      const ui::Rect b = control->Bounds();
      LOGFONTW font{};
      if (control->Font()) GetObjectW(control->Font(), sizeof font, &font);
      out << " at " << b.x << ',' << b.y << ' ' << b.w << 'x' << b.h << (control->Visible() ? "" : " hidden")
          << (control->Enabled() ? "" : " disabled") << " font " << font.lfHeight << '/' << font.lfWeight;
      if (auto* group = dynamic_cast<ui::RadioGroup*>(c)) {
        for (int i = 0; i < group->ItemCount(); ++i) out << " [" << group->ItemText(i) << ']';
        out << " selected " << group->SelectedIndex();
      } else if (auto* rich = dynamic_cast<ui::RichText*>(c)) {
        out << " text " << rich->PlainText();
      } else {
        out << " text " << control->Text();
      }
      if (auto* check = dynamic_cast<ui::CheckControl*>(c)) out << (check->Checked() ? " checked" : "");
      if (auto* button = dynamic_cast<ui::GlyphButton*>(c)) out << (button->HasGlyph() ? " glyph" : "");
    }
    all[c->name] = out.str();
  }
  std::ostringstream state;
  state << w.form.Text() << ' ' << w.Lang << ' ' << w.FolderFS << ' ' << w.VariantIndex() << '/'
        << w.ResolutionIndex() << " picture " << (w.ResImage ? w.ResImage->name : "none");
  all["(window)"] = state.str();
  return all;
}

struct Case {
  const char* name;
  std::map<std::string, std::string> settings;  // remembered before start-up; "{FS9}", "{FSX}": the folders
  std::function<void(WizardTest&)> act;         // after start-up, through what a user reaches
};

void ShowEveryPage(app::TfMain& w) {
  for (ui::Page* page : {&w.ts1, &w.ts2, &w.ts4, &w.ts6, &w.ts7, &w.ts0}) w.pc.SetActivePage(*page);
}

class LazyPages : public ::testing::TestWithParam<Case> {
 protected:
  // The window after start-up and the case's steps, every page shown once, back on the first.
  std::map<std::string, std::string> Run(bool everyPageAtCreation) {
    WizardTest wizard;
    if (everyPageAtCreation) wizard.MakeEveryPage();
    for (auto [name, value] : GetParam().settings) {
      if (value == "{FS9}") value = fs9_;
      if (value == "{FSX}") value = fsx_;
      core::WriteSetting(name, value);
    }
    wizard.w().FormCreate();
    if (GetParam().act) GetParam().act(wizard);
    ShowEveryPage(wizard.w());
    return Shown(wizard.w());
  }

  testing_support::TempFolder folders_;
  std::string fs9_, fsx_;

  void SetUp() override {
    fs9_ = testing_support::MakeSimulatorFolder(folders_.path(), "FS9", "FS9.exe");
    fsx_ = testing_support::MakeSimulatorFolder(folders_.path(), "FSX", "FSX.exe");
    testing_support::MakeBackupOfOriginal(fs9_, folders_.path());
  }
};

TEST_P(LazyPages, ShowWhatPagesMadeWithTheWindowShow) {
  const auto atCreation = Run(true);
  const auto later = Run(false);
  ASSERT_EQ(later.size(), atCreation.size());
  for (const auto& [name, shown] : atCreation) EXPECT_EQ(later.at(name), shown) << name;
}

void Click(ui::Control& control) { WizardTest::Click(control.Handle()); }

const Case kCases[] = {
    {"NothingRemembered", {}, nullptr},
    {"EnglishFSXWithChoiceAndLicenceRemembered",
     {{"Langue", "E"}, {"DossierFSX", "{FSX}"}, {"FS", "X"}, {"cfgFSX", "42"}, {"accepte", "Ok"}},
     nullptr},
    {"TestGridOfFS9WithItsBackupAt144Dpi",
     {{"DossierFS9", "{FS9}"}, {"FS", "9"}, {"cfgFS9", "50"}},
     [](WizardTest& t) { t.ChangeDpi(144); }},
    {"LanguageSimulatorAndDpiChangedWithSomePagesMade",
     {{"DossierFS9", "{FS9}"}, {"DossierFSX", "{FSX}"}},
     [](WizardTest& t) {
       app::TfMain& w = t.w();
       Click(w.s0);  // the licence page, made now
       Click(w.cb1);
       Click(w.s1);  // the variants
       Click(*w.rg2v.Item(3));
       t.ChangeDpi(192);
       w.bEnglish.Click();
       w.pc.SetActivePage(w.ts0);
       Click(w.rbFS9);  // the summary and the resolutions come later, for FS9, in English, at 192 DPI
     }},
    {"AFolderTypedOnTheSummaryThenBackAndFrench",
     {{"DossierFSX", "{FSX}"}, {"Langue", "E"}},
     [](WizardTest& t) {
       app::TfMain& w = t.w();
       w.pc.SetActivePage(w.ts6);
       w.e6.SetText(w.FolderFS9.empty() ? "C:\\Nowhere" : w.FolderFS9);
       w.FolderCheck();
       t.ChangeDpi(120);
       w.bFrench.Click();
     }},
};

INSTANTIATE_TEST_SUITE_P(Cases, LazyPages, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(LazyPagesAtStart, OnlyTheFirstPageHasItsControlsUntilAnotherIsShown) {
  WizardTest wizard;
  app::TfMain& w = wizard.w();
  w.FormCreate();
  EXPECT_TRUE(w.PageMade(w.ts0));
  for (ui::Page* page : {&w.ts1, &w.ts2, &w.ts4, &w.ts6, &w.ts7}) EXPECT_FALSE(w.PageMade(*page)) << page->name;
  EXPECT_EQ(w.re1.Handle(), nullptr);
  EXPECT_EQ(w.e6.Handle(), nullptr);
  w.pc.SetActivePage(w.ts4);
  EXPECT_TRUE(w.PageMade(w.ts4));
  EXPECT_NE(w.rg4q.Handle(), nullptr);
  EXPECT_FALSE(w.PageMade(w.ts2));
}

}  // namespace
