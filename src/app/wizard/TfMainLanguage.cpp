// The language switch: every text of the window in French or English.
#include "setup/SettingNames.h"
#include "app/wizard/RichTexts.h"
#include "app/wizard/TfMain.h"
#include "core/Settings.h"
#include "core/TextTools.h"

namespace app {

void TfMain::SetLanguage(char letter) {
  Lang = letter;
  (letter == 'F' ? bFrench : bEnglish).SetChecked(true);  // the group releases the other one
  core::WriteSetting(setup::setting::kLanguage, std::string(1, letter));
  SetCaption();
  shown_.language = true;
  TranslateComponents(0);
  // Reselecting runs the groups' choices, which also write the summary's links.
  VariantChoice();
  ResolutionChoice();
  FillRichText(re0, false);
  if (PageMade(ts1)) FillRichText(re1, true);
  tb.SetAccessibleName(PickText(texts::kLanguageBar));
  ShowFolderState();
}

void TfMain::TranslateComponents(size_t first) {
  for (size_t i = first; i < components_.size(); ++i) {
    ui::Component* component = components_[i];
    if (auto* group = dynamic_cast<ui::RadioGroup*>(component)) {
      const int selected = group->SelectedIndex();
      std::string fields = TagText(group->tag, group->Text());
      std::vector<std::string> items;
      while (!fields.empty()) items.push_back(core::CutField(fields, "\t"));
      group->SetItems(items);
      group->SetSelectedIndex(selected);
    } else if (dynamic_cast<ui::Label*>(component) || dynamic_cast<ui::GlyphButton*>(component) ||
               dynamic_cast<ui::RadioButton*>(component) || dynamic_cast<ui::CheckBox*>(component)) {
      auto* control = static_cast<ui::Control*>(component);
      control->SetText(TagText(control->tag, control->Text()));
    }
  }
}

void TfMain::FillRichText(ui::RichText& text, bool licence) {
  // The selection changes that filling causes are not a user's click on the address.
  text.tag = tag::kBeingFilled;
  text.Clear();
  for (const RichPiece& piece : InPaletteColours(licence ? LicencePieces(Lang) : PresentationPieces(Lang), palette_))
    text.Append(piece.text, piece.format);
  text.Select(0, 0);
  text.tag = 0;
}

}  // namespace app
