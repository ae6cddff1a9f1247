// What a screen reader reads where the window shows no text of its own: the browse button, the two
// texts, the progress list, the pictures that show the choice. Asked at each reading, so it follows
// the language and the choice.
#include "app/wizard/TfMain.h"

namespace app {

void TfMain::DescribeForReaders() {
  auto named = [this](ui::Control& control, std::function<std::string()> name) {
    control.accessibleFacts = [name = std::move(name)](long child) -> ui::AccessibleFacts {
      if (child != CHILDID_SELF) return {};
      return {.name = name()};
    };
  };
  named(b6, [this] { return PickText(texts::kBrowse); });
  named(re0, [this] { return PickText(texts::kPresentationName); });
  named(re1, [this] { return PickText(texts::kLicenceName); });
  named(clb7, [this] { return l6.Text(); });
  i2.accessibleFacts = [this](long child) -> ui::AccessibleFacts {
    if (child != CHILDID_SELF) return {};
    return {.description = PickText(texts::kTexturePreview) + rg2v.ItemText(VariantIndex())};
  };
  for (ui::Picture& picture : i4) {
    picture.accessibleFacts = [this](long child) -> ui::AccessibleFacts {
      if (child != CHILDID_SELF) return {};
      const std::string shown = rg2v.ItemText(VariantIndex()) + ", " + ResolutionText();
      return {.description = PickText(texts::kTexturePreview) + shown};
    };
  }
  tb.SetAccessibleName(PickText(texts::kLanguageBar));
}

}  // namespace app
