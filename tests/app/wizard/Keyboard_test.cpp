// The wizard as a keyboard user and a screen reader meet it.
#include <gtest/gtest.h>

#include <windows.h>
#include <oleacc.h>

#include <functional>
#include <set>

#include "app/wizard/Credits.h"
#include "support/Keyboard.h"
#include "support/Wizard.h"
#include "ui/dialogs/Application.h"

namespace {

using testing_support::FocusedName;
using testing_support::PressKey;
using testing_support::ReadForScreenReader;

// The controls of the page a user can act on, each radio group as its checked item.
std::set<std::string> Actionable(const ui::Page& page) {
  std::set<std::string> names;
  std::function<void(HWND)> visit = [&](HWND parent) {
    for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
      if (!IsWindowVisible(h) || !IsWindowEnabled(h)) continue;
      ui::Control* control = ui::Control::FromHandle(h);
      auto* radio = dynamic_cast<ui::RadioButton*>(control);
      const bool stop = radio ? radio->Checked() : control && (GetWindowLongPtrW(h, GWL_STYLE) & WS_TABSTOP);
      if (stop) names.insert(control->name);
      visit(h);
    }
  };
  visit(page.Handle());
  return names;
}

// Where a control of the wizard is on the screen, by its name ("rg2v.0": an item of rg2v).
RECT ScreenRect(app::TfMain& w, const std::string& name) {
  RECT r{};
  HWND h = nullptr;
  if (auto* control = dynamic_cast<ui::Control*>(w.FindComponent(name))) h = control->Handle();
  if (auto* group = dynamic_cast<ui::RadioGroup*>(w.FindComponent(name.substr(0, name.find('.')))); group && !h)
    h = group->Item(std::stoi(name.substr(name.find('.') + 1)))->Handle();
  GetWindowRect(h, &r);
  return r;
}

struct PageCase {
  const char* page;
  std::function<void(testing_support::WizardTest&)> reach;
  std::vector<std::string> order;  // from the control the page opens on; the tool bar last
};

// Every page's Tab cycle: it opens on its first control; Tab visits every enabled control a user
// can act on once, in reading order, then the tool bar; Shift+Tab goes the other way.
TEST(Keyboard, TabAndShiftTabCycleThroughEveryPageInReadingOrder) {
  ui::App().Initialize();
  auto toVariant = [](testing_support::WizardTest& t) {
    t.Click(t.w().rbFSX.Handle());
    t.Click(t.w().s0.Handle());
    t.Click(t.w().cb1.Handle());
    t.Click(t.w().s1.Handle());
  };
  const std::vector<PageCase> cases = {
      {"ts0", [](auto& t) { t.Click(t.w().rbFSX.Handle()); }, {"rbFSX", "re0", "s0", "q0", "tb"}},
      {"ts0 with a backup",
       [](auto& t) {
         t.w().FolderFSX = t.MakeFolder("FSX saved", {"FSX.exe"});
         testing_support::MakeBackupOfOriginal(t.w().FolderFSX, t.Temp().path());
         t.Click(t.w().rbFSX.Handle());
       },
       {"rbFSX", "re0", "b0", "s0", "q0", "tb"}},
      {"ts1", [](auto& t) { t.Click(t.w().rbFSX.Handle()); t.Click(t.w().s0.Handle()); },
       {"re1", "cb1", "p1", "q1", "tb"}},
      {"ts1 agreed",
       [](auto& t) {
         t.Click(t.w().rbFSX.Handle());
         t.Click(t.w().s0.Handle());
         t.Click(t.w().cb1.Handle());
       },
       {"re1", "cb1", "p1", "s1", "q1", "tb"}},
      {"ts2", toVariant, {"rg2v.0", "p2", "s2", "q2", "tb"}},
      {"ts4", [&](auto& t) { toVariant(t); t.Click(t.w().s2.Handle()); }, {"rg4q.0", "p4", "s4", "q4", "tb"}},
      {"ts6", [](auto& t) { t.WalkToSummary(t.w().rbFSX); }, {"e6", "b6", "p6", "s6", "q6", "tb"}},
  };
  for (const PageCase& c : cases) {
    SCOPED_TRACE(c.page);
    testing_support::WizardTest fresh;
    fresh.w().SetLanguage('E');
    fresh.w().FolderFSX = fresh.MakeFolder("FSX", {"FSX.exe"});
    c.reach(fresh);
    ui::Page& page = *fresh.w().pc.ActivePage();
    page.FocusFirstControl();
    std::vector<std::string> forward{FocusedName()};
    for (size_t i = 1; i < c.order.size() * 2; ++i) {
      PressKey(VK_TAB);
      forward.push_back(FocusedName());
    }
    std::vector<std::string> twice = c.order;
    twice.insert(twice.end(), c.order.begin(), c.order.end());
    EXPECT_EQ(forward, twice);
    std::vector<std::string> backward{FocusedName()};
    for (size_t i = 0; i < c.order.size(); ++i) {
      PressKey(VK_TAB, true);
      backward.push_back(FocusedName());
    }
    std::vector<std::string> reversed{c.order.back()};
    reversed.insert(reversed.end(), c.order.rbegin() + 1, c.order.rend());
    reversed.push_back(c.order.back());
    EXPECT_EQ(backward, reversed);
    // The table holds every control a user can act on, in reading order: each next one on the same
    // row further right, or on a lower row.
    const std::vector<std::string> pageOrder(c.order.begin(), c.order.end() - 1);
    EXPECT_EQ(std::set<std::string>(pageOrder.begin(), pageOrder.end()), Actionable(page));
    for (size_t i = 1; i < pageOrder.size(); ++i) {
      const RECT a = ScreenRect(fresh.w(), pageOrder[i - 1]), b = ScreenRect(fresh.w(), pageOrder[i]);
      const bool sameRow = a.top < b.bottom && b.top < a.bottom;
      EXPECT_TRUE(sameRow ? a.left < b.left : a.bottom <= b.top) << pageOrder[i - 1] << " before " << pageOrder[i];
    }
  }
}

class KeyboardUser : public testing_support::WizardTest, public ::testing::Test {
 protected:
  KeyboardUser()
      : WizardTest([this](app::TfMain::Options& o) {
          o.openDocument = [this](const std::string& address) { opened.push_back(address); };
        }) {}
  void SetUp() override {
    ui::App().Initialize();
    w().SetLanguage('E');
    w().FolderFSX = MakeFolder("FSX", {"FSX.exe"});
    w().FolderFS9 = MakeFolder("FS9", {"FS9.exe"});
  }
  ui::Page* Page() { return w().pc.ActivePage(); }
  std::vector<std::string> opened;
};

// From the first page to the summary with the keys alone, and the language switched on the way.
TEST_F(KeyboardUser, ReachesTheSummaryAndSwitchesTheLanguageWithoutAMouse) {
  EXPECT_EQ(FocusedName(), "rbFS9");  // nothing chosen yet: the group's first
  // As in Windows' own groups: with nothing chosen the arrows only move and Space chooses; from a
  // chosen item the arrows choose.
  PressKey(VK_RIGHT);
  EXPECT_EQ(FocusedName(), "rbFSX");
  EXPECT_EQ(w().ChosenSimulator(), app::Simulator::None);
  PressKey(VK_SPACE);
  EXPECT_EQ(w().ChosenSimulator(), app::Simulator::FSX);
  PressKey(VK_LEFT);
  EXPECT_EQ(w().ChosenSimulator(), app::Simulator::FS9);
  PressKey(VK_RIGHT);
  EXPECT_EQ(w().ChosenSimulator(), app::Simulator::FSX);
  EXPECT_TRUE(w().s0.Enabled());
  PressKey(VK_RETURN);
  ASSERT_EQ(Page(), &w().ts1);
  EXPECT_EQ(FocusedName(), "re1");  // the page opens on its first control
  PressKey(VK_RETURN);  // Next waits for the agreement
  EXPECT_EQ(Page(), &w().ts1);
  PressKey(VK_TAB);
  EXPECT_EQ(FocusedName(), "cb1");
  PressKey(VK_SPACE);
  EXPECT_TRUE(w().cb1.Checked());
  PressKey(VK_RETURN);
  ASSERT_EQ(Page(), &w().ts2);
  EXPECT_EQ(FocusedName(), "rg2v.0");
  PressKey(VK_RIGHT);
  EXPECT_EQ(w().VariantIndex(), 1);
  PressKey(VK_RETURN);
  ASSERT_EQ(Page(), &w().ts4);
  PressKey(VK_RIGHT);
  EXPECT_EQ(w().ResolutionIndex(), 1);
  PressKey(VK_ESCAPE);  // Escape is Previous
  ASSERT_EQ(Page(), &w().ts2);
  PressKey(VK_RETURN);
  PressKey(VK_RETURN);
  ASSERT_EQ(Page(), &w().ts6);
  EXPECT_EQ(FocusedName(), "e6");
  EXPECT_EQ(w().l6q.Text(), "Resolution 512 x 512");
  EXPECT_TRUE(w().s6.Enabled());
  PressKey(VK_TAB, true);
  EXPECT_EQ(FocusedName(), "tb");
  EXPECT_EQ(w().tb.KeyboardButton(), &w().bEnglish);  // on the language shown
  PressKey(VK_LEFT);
  PressKey(VK_SPACE);
  EXPECT_EQ(w().Lang, 'F');
  EXPECT_EQ(w().l6q.Text(), "Résolution 512 x 512");
  EXPECT_EQ(FocusedName(), "tb");  // the switch keeps the keyboard where it was
  EXPECT_EQ(Page(), &w().ts6);
}

// Enter on the address in a text writes a mail, as a click on it does; the caret passing over it
// with the arrows does not, and Enter elsewhere in the text is the page's default button.
TEST_F(KeyboardUser, EnterOnTheMailAddressWritesAMailAndTheArrowsOverItDoNot) {
  Click(w().rbFSX.Handle());
  const int address = MailAddressAt(w().re0);
  ASSERT_GT(address, 0);
  SetFocus(w().re0.Handle());
  w().re0.Select(address - 1, address - 1);
  PressKey(VK_RIGHT);
  PressKey(VK_RIGHT);
  EXPECT_EQ(w().re0.Selection().cpMin, address + 1);
  EXPECT_TRUE(opened.empty());
  const std::string shown = w().re0.PlainText();
  PressKey(VK_RETURN);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(w().re0.PlainText(), shown);  // read-only: no line break typed
  EXPECT_TRUE(opened[0].starts_with(std::string("mailto:") + app::kContactAddress + "?subject="));
  EXPECT_EQ(Page(), &w().ts0);
  w().re0.Select(0, 0);
  PressKey(VK_RETURN);
  EXPECT_EQ(Page(), &w().ts1);
  EXPECT_EQ(opened.size(), 1u);
}

// What a screen reader reads of every control that takes the keyboard, in both languages.
TEST_F(KeyboardUser, EveryControlThatTakesTheKeyboardHasANameAndItsRole) {
  struct Expected {
    ui::Control* control;
    long role;
    const char* french;  // null: the control's own text
    const char* english;
  };
  WalkToSummary(w().rbFSX, 2, 1);
  w().MakePage(w().ts7);  // read before it is shown
  const std::vector<Expected> table = {
      {&w().rbFS9, ROLE_SYSTEM_RADIOBUTTON, "FS2004", "FS2004"},
      {&w().rbFSX, ROLE_SYSTEM_RADIOBUTTON, "FSX", "FSX"},
      {&w().b0, ROLE_SYSTEM_PUSHBUTTON, nullptr, nullptr},
      {&w().s0, ROLE_SYSTEM_PUSHBUTTON, "Suivant", "Next"},
      {&w().q0, ROLE_SYSTEM_PUSHBUTTON, "Renoncer", "Cancel"},
      {&w().cb1, ROLE_SYSTEM_CHECKBUTTON, "J'accepte", "I agree"},
      {&w().p1, ROLE_SYSTEM_PUSHBUTTON, "Précédent", "Previous"},
      {w().rg2v.Item(2), ROLE_SYSTEM_RADIOBUTTON, "Variante 3", "Variation 3"},
      {w().rg4q.Item(1), ROLE_SYSTEM_RADIOBUTTON, "512", "512"},
      {&w().e6, ROLE_SYSTEM_TEXT, nullptr, "FSX main folder :"},
      {&w().b6, ROLE_SYSTEM_PUSHBUTTON, "Parcourir", "Browse"},
      {&w().s6, ROLE_SYSTEM_PUSHBUTTON, "Installer", "Install"},
      {&w().tb, ROLE_SYSTEM_TOOLBAR, "Langue", "Language"},
      {&w().re0, ROLE_SYSTEM_TEXT, "Présentation", "Presentation"},
      {&w().re1, ROLE_SYSTEM_TEXT, "Contrat de licence", "Licence agreement"},
      {&w().clb7, ROLE_SYSTEM_LIST, nullptr, nullptr},
      {&w().t7, ROLE_SYSTEM_PUSHBUTTON, "Ok", "Ok"},
  };
  for (char lang : {'F', 'E'}) {
    w().SetLanguage(lang);
    for (const Expected& e : table) {
      SCOPED_TRACE(std::string(1, lang) + " " + e.control->name);
      const auto read = ReadForScreenReader(e.control->Handle());
      ASSERT_TRUE(read.found);
      EXPECT_EQ(read.role, e.role);
      EXPECT_FALSE(read.name.empty());
      if (const char* name = lang == 'F' ? e.french : e.english) {
        EXPECT_EQ(read.name, name);
      }
    }
    EXPECT_EQ(ReadForScreenReader(w().e6.Handle()).name, w().l6Dossier.Text());
    EXPECT_EQ(ReadForScreenReader(w().clb7.Handle()).name, w().l6.Text());
    // The pictures say what they show, and follow the choice.
    const auto variant = ReadForScreenReader(w().i2.Handle());
    EXPECT_EQ(variant.role, ROLE_SYSTEM_GRAPHIC);
    EXPECT_EQ(variant.description, lang == 'F' ? "Aperçu de la texture : Variante 3"
                                               : "Preview of the texture: Variation 3");
    EXPECT_EQ(ReadForScreenReader(w().i4[2].Handle()).description,
              lang == 'F' ? "Aperçu de la texture : Variante 3, Résolution 512 x 512"
                          : "Preview of the texture: Variation 3, Resolution 512 x 512");
  }
}

}  // namespace
