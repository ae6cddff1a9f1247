// What a screen reader reads where the window shows no text of its own: the browse button, the two
// texts, the progress list, the pictures that show the choice. Asked at each reading, so it follows
// the language and the choice.
#include "app/wizard/TfMain.h"

namespace app {

void TfMain::DescribeForReaders() {
  // Facts of the control itself, none of its items.
  auto describe = [](ui::Control& control, std::function<ui::AccessibleFacts()> facts) {
    control.accessibleFacts = [facts = std::move(facts)](long child) {
      return child == CHILDID_SELF ? facts() : ui::AccessibleFacts{};
    };
  };
  auto named = [&](ui::Control& control, const Bilingual& name) {
    describe(control, [this, &name] { return ui::AccessibleFacts{.name = PickText(name)}; });
  };
  named(b6, texts::kBrowse);
  named(re0, texts::kPresentationName);
  named(re1, texts::kLicenceName);
  describe(clb7, [this] { return ui::AccessibleFacts{.name = l6.Text()}; });
  describe(i2, [this] {
    return ui::AccessibleFacts{.description = PickText(texts::kTexturePreview) + VariantText()};
  });
  for (ui::Picture& picture : i4) {
    describe(picture, [this] {
      const std::string shown = VariantText() + ", " + ResolutionText();
      return ui::AccessibleFacts{.description = PickText(texts::kTexturePreview) + shown};
    });
  }
  tb.SetAccessibleName(PickText(texts::kLanguageBar));
}

}  // namespace app
