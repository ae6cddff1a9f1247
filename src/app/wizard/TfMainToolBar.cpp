// The tool bar over the page tabs: the language buttons between their two labels.
#include "app/wizard/TfMain.h"

#include "ui/base/DpiScaling.h"

namespace app {

namespace {
constexpr int kFlagSize = 16;
}  // namespace

void TfMain::CreateToolBar() {
  // The last stop of every page's Tab cycle: the pages' own controls come first in reading order,
  // and a page opens on its own first control.
  Add(tb).Create({.parent = form.Handle(), .bounds = {0, 0, kClientWidth, 24}, .name = "tb",
                  .background = palette_.page, .tabStop = true});
  // The bar lies over the tabs of the page control.
  tb.BringToFront();

  // Labels sit in places reserved between the buttons; LayOutToolBar measures and places them.
  auto addLabel = [this](ui::Label& label, const char* name, const std::string& text, HFONT font, ui::Align align) {
    Add(label).Create({.parent = tb.Handle(), .bounds = {0, 0, 1, 1}, .name = name, .font = font, .text = text,
                       .colour = palette_.text, .align = align});
  };
  choixPlace_ = tb.AddPlace(241);
  addLabel(lChoix, "lChoix", texts::kChooseLanguageFrench, nullptr, ui::Align::Right);
  Add(bFrench);
  tb.AddCheckButton(bFrench, {.name = "bFrench", .image = 0, .hint = "Français", .group = 1, .checked = true});
  tb.AddSeparator(8);
  Add(bEnglish);
  tb.AddCheckButton(bEnglish, {.name = "bEnglish", .image = 1, .hint = "English", .group = 1});
  choosePlace_ = tb.AddPlace(0);
  addLabel(lChoose, "lChoose", texts::kChooseLanguageEnglish, nullptr, ui::Align::Left);
  tb.AddSeparator(28);
  codePlace_ = tb.AddPlace(80);
  addLabel(lCode, "lCode", "", form.Fonts().Get({.face = "Small Fonts", .points = 7}), ui::Align::Left);
}

void TfMain::ApplyToolBarArtwork() {
  const int size = ui::Scale(kFlagSize, form.Dpi());
  // A missing flag keeps the indexes of the others.
  ui::ImageList flags = ui::MakeImageList(size, size, {LoadPictureFor(artwork_, "flag_fr.bmp", form.Dpi()),
                                                       LoadPictureFor(artwork_, "flag_en.bmp", form.Dpi())});
  tb.SetImages(flags.Get());
  il16 = std::move(flags);  // the old list goes once the bar has the new one
}

void TfMain::LayOutToolBar() {
  // The English label's place is as wide as its text at this DPI.
  const int chooseWidth = static_cast<int>(ui::MeasureText(lChoose.Font(), lChoose.Text()).cx);
  tb.SetPlaceWidth(choosePlace_, ui::Unscale(chooseWidth, form.Dpi()) + 2);
  // Each label is centred on the buttons' height.
  for (auto [label, index] : {std::pair{&lChoix, choixPlace_}, {&lChoose, choosePlace_}, {&lCode, codePlace_}}) {
    const ui::Rect place = tb.ItemRect(index);
    const int height = static_cast<int>(ui::MeasureText(label->Font(), label->Text()).cy);
    label->Place({place.x, place.y + (place.h - height) / 2, place.w, height});
  }
}

}  // namespace app
