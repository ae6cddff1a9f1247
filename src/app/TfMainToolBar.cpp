// The tool bar over the page tabs: the language buttons between their two labels.
#include "app/TfMain.h"

namespace app {

void TfMain::CreateToolBar() {
  il16.Reset(ImageList_Create(16, 16, ILC_COLOR32, 2, 0));
  for (const char* flag : {"flag_fr.bmp", "flag_en.bmp"}) {
    ui::Bitmap bitmap = ui::MakeBitmap(LoadPicture(artwork_, flag));
    if (!bitmap) bitmap = ui::MakeBitmap(ui::Image{16, 16, std::vector<uint8_t>(16 * 16 * 4)});  // keeps the indexes
    ImageList_Add(il16.Get(), bitmap.Get(), nullptr);
  }
  Add(tb).Create({.parent = form.Handle(), .bounds = {0, 0, kClientWidth, 24}, .name = "tb", .images = il16.Get(),
                  .background = kWindowColour});
  // The bar lies over the tabs of the page control.
  SetWindowPos(tb.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

  // Labels sit in places reserved between the buttons, centred on the buttons' height.
  auto placeLabel = [this](ui::Label& label, const char* name, ui::Rect place, const std::string& text, HFONT font,
                           ui::Align align) {
    SIZE size = ui::MeasureText(font ? font : tb.Font(), text);
    ui::Rect r{place.x, place.y + (place.h - static_cast<int>(size.cy)) / 2, place.w, static_cast<int>(size.cy)};
    Add(label).Create({.parent = tb.Handle(), .bounds = r, .name = name, .font = font, .text = text, .colour = kWhite,
                       .align = align});
  };
  placeLabel(lChoix, "lChoix", tb.AddPlace(241), texts::kChooseLanguageFrench, nullptr, ui::Align::Right);
  Add(bFrench);
  tb.AddCheckButton(bFrench, {.name = "bFrench", .image = 0, .hint = "Français", .group = 1, .checked = true});
  tb.AddSeparator(8);
  Add(bEnglish);
  tb.AddCheckButton(bEnglish, {.name = "bEnglish", .image = 1, .hint = "English", .group = 1});
  int chooseWidth = static_cast<int>(ui::MeasureText(tb.Font(), texts::kChooseLanguageEnglish).cx) + 2;
  placeLabel(lChoose, "lChoose", tb.AddPlace(chooseWidth), texts::kChooseLanguageEnglish, nullptr, ui::Align::Left);
  tb.AddSeparator(28);
  placeLabel(lCode, "lCode", tb.AddPlace(80), "", fonts_.Get({.face = "Small Fonts", .points = 7}), ui::Align::Left);
}

}  // namespace app
