#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/wizard/Credits.h"
#include "app/wizard/RichTexts.h"
#include "app/wizard/TfMain.h"
#include "support/Wizard.h"
#include "core/Environment.h"
#include "core/Utf8.h"

namespace {

using testing_support::StoredSetting;
using testing_support::WizardTest;

// The switch over every control: all pages are made with the window.
class Language : public WizardTest, public ::testing::Test {
 protected:
  Language() { MakeEveryPage(); }
  // Every text a user can read in the window (labels, buttons, groups, links, caption, rich texts).
  std::map<std::string, std::string> Texts() {
    std::map<std::string, std::string> all;
    for (ui::Component* c : w().Components()) {
      if (auto* group = dynamic_cast<ui::RadioGroup*>(c)) {
        for (int i = 0; i < group->ItemCount(); ++i) all[c->name + "." + std::to_string(i)] = group->ItemText(i);
      } else if (auto* rich = dynamic_cast<ui::RichText*>(c)) {
        all[c->name] = rich->PlainText();
      } else if (auto* control = dynamic_cast<ui::Control*>(c)) {
        all[c->name] = control->Text();
      }
    }
    all["caption"] = w().form.Text();
    return all;
  }
  struct State {
    int page, variant, resolution;
    bool fs9, fsx, b0, s0, s1, s6, l6q, t7, cb1;
    std::string folder, edit;
    bool operator==(const State&) const = default;
  };
  State Snapshot() {
    return {w().pc.ActivePageIndex(), w().VariantIndex(), w().ResolutionIndex(), w().rbFS9.Checked(),
            w().rbFSX.Checked(), w().b0.Enabled(), w().s0.Enabled(), w().s1.Enabled(), w().s6.Enabled(),
            w().l6q.Visible(), w().t7.Visible(), w().cb1.Checked(), w().FolderFS, w().e6.Text()};
  }
  std::string folder_ = MakeFolder("FS9", {"FS9.exe"});
};

TEST_F(Language, SwitchingOnEveryPageKeepsPageChoicesFolderAndStates) {
  w().FolderFS9 = folder_;
  w().rbFS9.SetChecked(true);
  w().SimulatorChoice();
  w().rg2v.SetSelectedIndex(1);
  w().VariantChoice();
  w().rg4q.SetSelectedIndex(1);
  w().ResolutionChoice();
  w().cb1.SetChecked(true);
  w().SetLanguage('F');
  for (int page = 0; page < w().pc.PageCount(); ++page) {
    SCOPED_TRACE(page);
    w().pc.SetActivePageIndex(page);
    State before = Snapshot();
    w().SetLanguage('E');
    EXPECT_EQ(Snapshot(), before);
    w().SetLanguage('F');
    EXPECT_EQ(Snapshot(), before);
  }
}

TEST_F(Language, EnglishRewritesEveryLabelledTextAndFrenchBringsThemBack) {
  w().rbFSX.SetChecked(true);
  w().SimulatorChoice();
  w().SetLanguage('F');
  auto french = Texts();
  w().SetLanguage('E');
  auto english = Texts();
  // Controls of tag 0 and texts equal in both languages stay; every other text changes.
  const std::set<std::string> same{"rbFS9", "rbFSX", "lChoix", "lChoose", "lCode", "b6", "e6", "t7",
                                    "sb0", "sb7", "pc", "tb", "rg4q.0", "rg4q.1", "rg4q.2", "clb7"};
  for (const auto& [name, text] : french) {
    if (same.count(name) || dynamic_cast<ui::Picture*>(w().FindComponent(name)) ||
        dynamic_cast<ui::Panel*>(w().FindComponent(name)))
      EXPECT_EQ(english[name], text) << name;
    else
      EXPECT_NE(english[name], text) << name;
  }
  EXPECT_EQ(english["s0"], "Next");
  EXPECT_EQ(english["p1"], "Previous");
  EXPECT_EQ(english["q6"], "Cancel");
  EXPECT_EQ(english["s6"], "Install");
  EXPECT_EQ(english["cb1"], "I agree");
  EXPECT_EQ(english["b0"], "Uninstall Pratilo");
  EXPECT_EQ(english["t7"], "Ok");
  EXPECT_EQ(english["rg2v.5"], "Test grid");
  EXPECT_EQ(english["l6Dossier"], "FSX main folder :");
  EXPECT_EQ(english["l6v"], "Variation 1");
  EXPECT_EQ(english["l6q"], "Resolution 1024 x 1024");
  EXPECT_EQ(english["caption"], core::VersionText(4) + " For FSX :");
  EXPECT_EQ(french["caption"], core::VersionText(4) + " Pour FSX :");
  w().SetLanguage('F');
  EXPECT_EQ(Texts(), french);
}

TEST_F(Language, ButtonsRegistryAndOtherLettersFollowTheSwitch) {
  w().SetLanguage('E');
  EXPECT_TRUE(w().bEnglish.Checked());
  EXPECT_FALSE(w().bFrench.Checked());
  EXPECT_EQ(StoredSetting("Langue"), "E");
  w().SetLanguage('F');
  EXPECT_TRUE(w().bFrench.Checked());
  EXPECT_FALSE(w().bEnglish.Checked());
  EXPECT_EQ(StoredSetting("Langue"), "F");
  // Any other letter is English and is written back as it is.
  for (char letter : {'e', 'x'}) {
    w().SetLanguage(letter);
    EXPECT_EQ(w().Lang, letter);
    EXPECT_EQ(StoredSetting("Langue"), std::string(1, letter));
    EXPECT_TRUE(w().bEnglish.Checked());
    EXPECT_EQ(w().s0.Text(), "Next");
  }
  // No simulator chosen: the caption ends with the blank before the empty simulator text.
  EXPECT_EQ(w().form.Text(), core::VersionText(4) + " ");
}

TEST_F(Language, ToolButtonsSwitchThroughClic) {
  w().bEnglish.Click();
  EXPECT_EQ(w().Lang, 'E');
  EXPECT_EQ(w().l2.Text(), "Pratilo has five variations :");
  w().bFrench.Click();
  EXPECT_EQ(w().Lang, 'F');
  EXPECT_EQ(w().l2.Text(), "Pratilo existe en cinq variantes :");
}

TEST_F(Language, TestGridKeepsItsNameAndHidesTheResolution) {
  w().rg2v.SetSelectedIndex(5);
  w().VariantChoice();
  w().SetLanguage('E');
  EXPECT_EQ(w().l6v.Text(), "Test grid");
  EXPECT_FALSE(w().l6q.Visible());
  EXPECT_EQ(w().ResImage, nullptr);
  w().SetLanguage('F');
  EXPECT_EQ(w().l6v.Text(), "Grille de test");
  EXPECT_FALSE(w().l6q.Visible());
  EXPECT_EQ(w().rg2v.SelectedIndex(), 5);
}

TEST_F(Language, SummaryShowsTheChoiceInTheNewLanguage) {
  w().rbFS9.SetChecked(true);
  w().FolderFS9 = folder_;
  w().SimulatorChoice();
  w().SetLanguage('F');
  w().rg2v.SetSelectedIndex(1);
  w().VariantChoice();
  w().rg4q.SetSelectedIndex(1);
  w().ResolutionChoice();
  w().pc.SetActivePage(w().ts6);
  EXPECT_EQ(w().l6v.Text(), "Variante 2");
  EXPECT_EQ(w().l6q.Text(), "Résolution 512 x 512");
  EXPECT_EQ(w().l6Dossier.Text(), "Dossier principal de FS2004 :");
  w().SetLanguage('E');
  EXPECT_EQ(w().l6v.Text(), "Variation 2");
  EXPECT_EQ(w().l6q.Text(), "Resolution 512 x 512");
  EXPECT_EQ(w().l6Dossier.Text(), "FS2004 main folder :");
  EXPECT_EQ(w().l6bkp.Text(), "The original textures will be saved in file Pratilo_Original_Tex.zip in the FS main folder");
  EXPECT_EQ(w().pc.ActivePage(), &w().ts6);
}

// The rich texts read back from the control, piece by piece, in their attributes.
void ExpectRichText(ui::RichText& text, const std::vector<app::RichPiece>& pieces) {
  std::string all;
  for (const app::RichPiece& p : pieces) all += p.text;
  ASSERT_EQ(text.PlainText(), all);
  int position = 0;  // a line break counts as one character in the control
  for (const app::RichPiece& p : pieces) {
    std::wstring wide = core::Widen(p.text);
    int length = 0;
    for (size_t i = 0; i < wide.size(); ++i)
      if (!(wide[i] == L'\n' && i > 0 && wide[i - 1] == L'\r')) ++length;
    for (int at : {position, position + length - 1}) {
      ui::CharFormat f = text.FormatAt(at);
      EXPECT_EQ(f, p.format) << "at " << at << " in \"" << p.text.substr(0, 30) << "\"";
    }
    position += length;
  }
}

TEST_F(Language, RichTextsAreRebuiltWithTheirStructureNotAppended) {
  for (char lang : {'F', 'E'}) {
    SCOPED_TRACE(lang);
    w().SetLanguage(lang);
    std::string once0 = w().re0.PlainText(), once1 = w().re1.PlainText();
    w().SetLanguage(lang);
    EXPECT_EQ(w().re0.PlainText(), once0);
    EXPECT_EQ(w().re1.PlainText(), once1);
    ExpectRichText(w().re0, app::PresentationPieces(lang));
    ExpectRichText(w().re1, app::LicencePieces(lang));
  }
}

TEST_F(Language, RichTextsCarryTag1WhileFilledAndTag0After) {
  std::vector<int> tags;
  w().re0.onSelectionChange = [&] { tags.push_back(w().re0.tag); };
  w().re1.onSelectionChange = [&] { tags.push_back(w().re1.tag); };
  w().SetLanguage('E');
  ASSERT_FALSE(tags.empty());
  for (int tag : tags) EXPECT_EQ(tag, 1);
  EXPECT_EQ(w().re0.tag, 0);
  EXPECT_EQ(w().re1.tag, 0);
}

}  // namespace
