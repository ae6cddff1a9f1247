#include "ui/widgets/IconPicture.h"

namespace ui {

bool IconPicture::Create(const CreateArgs& args) {
  if (!CreateHandle(CommonOf(args), L"STATIC", SS_ICON | SS_REALSIZECONTROL)) return false;
  if (args.icon) SetIcon(args.icon);
  return true;
}

void IconPicture::SetIcon(HICON icon) {
  if (!Handle()) return;
  Send(STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  // Setting an icon sizes the control to it; the design place stands.
  SetBounds(DesignBounds());
}

HICON IconPicture::Icon() const {
  return reinterpret_cast<HICON>(Send(STM_GETICON));
}

}  // namespace ui
