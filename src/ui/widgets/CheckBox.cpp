#include "ui/widgets/CheckBox.h"

#include "ui/widgets/Event.h"

#include <uxtheme.h>

namespace ui {

bool CheckBox::Create(const CreateArgs& args) {
  colour_ = args.colour;
  if (!CreateHandle(CommonOf(args), L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0, args.text)) return false;
  if (colour_) SetWindowTheme(Handle(), L"", L"");  // themed check boxes ignore the text colour
  SetChecked(args.checked);
  return true;
}

bool CheckBox::Checked() const { return Handle() && SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) {
  if (Handle()) SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool CheckBox::OnCommand(int code, int) {
  if (code != BN_CLICKED) return false;
  Raise(onClick);
  return true;
}

HBRUSH CheckBox::OnCtlColor(HDC dc) { return TransparentColours(dc, colour_.value_or(GetSysColor(COLOR_BTNTEXT))); }

}  // namespace ui
