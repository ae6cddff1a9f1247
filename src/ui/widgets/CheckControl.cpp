#include "ui/widgets/CheckControl.h"

#include "ui/base/ClassicLook.h"

namespace ui {

bool CheckControl::CreateOfStyle(const CreateArgs& args, DWORD style) {
  colour_ = args.colour;
  if (!CreateHandle(CommonOf(args), L"BUTTON", style | WS_TABSTOP, 0, args.text)) return false;
  if (colour_) UseClassicLook(Handle());  // themed buttons ignore the text colour
  if (args.checked) SetChecked(true);
  return true;
}

bool CheckControl::Checked() const {
  return Send(BM_GETCHECK) == BST_CHECKED;
}

void CheckControl::SetChecked(bool checked) {
  Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckControl::Click() { Send(BM_CLICK); }

HBRUSH CheckControl::OnCtlColor(HDC dc) {
  return TransparentColours(dc, colour_.value_or(GetSysColor(COLOR_BTNTEXT)));
}

}  // namespace ui
