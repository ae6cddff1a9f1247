// What a screen reader reads where the window shows no text of its own: the browse button, the
// pictures that show the choice. Asked at each reading, so it follows the language and the choice.
#include "app/wizard/TfMain.h"

namespace app {

void TfMain::DescribeForReaders() {
  b6.accessibleFacts = [this](long child) -> ui::AccessibleFacts {
    if (child != CHILDID_SELF) return {};
    return {.name = PickText(texts::kBrowse)};
  };
  i2.accessibleFacts = [this](long child) -> ui::AccessibleFacts {
    if (child != CHILDID_SELF) return {};
    return {.description = PickText(texts::kTexturePreview) + rg2v.ItemText(VariantIndex())};
  };
  for (ui::Picture& picture : i4) {
    picture.accessibleFacts = [this](long child) -> ui::AccessibleFacts {
      if (child != CHILDID_SELF) return {};
      return {.description = PickText(texts::kTexturePreview) + rg2v.ItemText(VariantIndex()) + ", " + ResolutionText()};
    };
  }
  tb.SetAccessibleName(PickText(texts::kLanguageBar));
}

}  // namespace app
