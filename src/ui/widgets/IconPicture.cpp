#include "ui/widgets/IconPicture.h"

namespace ui {

bool IconPicture::Create(const CreateArgs& args) {
  if (!CreateHandle(CommonOf(args), L"STATIC", SS_ICON | SS_REALSIZECONTROL)) return false;
  if (args.icon) SendMessageW(Handle(), STM_SETICON, reinterpret_cast<WPARAM>(args.icon), 0);
  // Setting an icon sizes the control to it; the caller's bounds stand.
  SetBounds(args.bounds);
  return true;
}

HICON IconPicture::Icon() const {
  return Handle() ? reinterpret_cast<HICON>(SendMessageW(Handle(), STM_GETICON, 0, 0)) : nullptr;
}

}  // namespace ui
