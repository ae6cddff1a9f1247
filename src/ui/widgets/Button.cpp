#include "ui/widgets/Button.h"

#include "ui/widgets/Event.h"

namespace ui {

bool Button::Create(const CreateArgs& args) {
  DWORD style = WS_TABSTOP | (args.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  return CreateHandle(CommonOf(args), L"BUTTON", style, 0, args.text);
}

void Button::Click() {
  Raise(onClick);
}

bool Button::OnCommand(int code, int) {
  if (code != BN_CLICKED) return false;
  // Messages sent from code reach a disabled button too; a user could not have clicked it.
  if (IsWindowEnabled(Handle())) Click();
  return true;
}

bool GlyphButton::Create(const CreateArgs& args, const GlyphArgs& glyph) {
  if (!Button::Create(args)) return false;
  side_ = glyph.side;
  if (!glyph.glyph || glyph.glyph->Empty()) return true;
  images_.Reset(ImageList_Create(glyph.glyph->width, glyph.glyph->height, ILC_COLOR32, 1, 0));
  Bitmap bitmap = MakeBitmap(*glyph.glyph);
  if (!images_ || !bitmap || ImageList_Add(images_.Get(), bitmap.Get(), nullptr) < 0) {
    images_.Reset();
    return true;  // the caption alone still works
  }
  BUTTON_IMAGELIST list{};
  list.himl = images_.Get();
  list.margin = {4, 0, 4, 0};
  list.uAlign = side_ == GlyphSide::Right ? BUTTON_IMAGELIST_ALIGN_RIGHT : BUTTON_IMAGELIST_ALIGN_LEFT;
  SendMessageW(Handle(), BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list));
  return true;
}

}  // namespace ui
