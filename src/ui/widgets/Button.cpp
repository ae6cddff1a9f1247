#include "ui/widgets/Button.h"

#include <oleacc.h>

#include "ui/base/DpiScaling.h"
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
  if (glyph.glyph) SetGlyph(*glyph.glyph);
  return true;
}

void GlyphButton::SetGlyph(const Image& glyph) {
  // Without its picture the caption alone still works.
  ImageList images = glyph.Empty() ? ImageList() : MakeImageList(glyph.width, glyph.height, {glyph});
  BUTTON_IMAGELIST list{};
  list.himl = images.Get();
  const int margin = Scale(4, Dpi());
  list.margin = {margin, 0, margin, 0};
  list.uAlign = side_ == GlyphSide::Right ? BUTTON_IMAGELIST_ALIGN_RIGHT : BUTTON_IMAGELIST_ALIGN_LEFT;
  // The button lets go of the old list before it is freed.
  if (images || images_) Send(BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list));
  images_ = std::move(images);
}

long Button::AccessibleRole() const { return ROLE_SYSTEM_PUSHBUTTON; }

}  // namespace ui
