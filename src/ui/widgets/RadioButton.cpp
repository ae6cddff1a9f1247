#include "ui/widgets/RadioButton.h"

#include "ui/widgets/Event.h"

#include <uxtheme.h>

namespace ui {

bool RadioButton::Create(const CreateArgs& args) {
  colour_ = args.colour;
  if (!CreateHandle(CommonOf(args), L"BUTTON", BS_RADIOBUTTON | WS_TABSTOP, 0, args.text)) return false;
  if (colour_) SetWindowTheme(Handle(), L"", L"");  // themed radio buttons ignore the text colour
  if (args.checked) SetChecked(true);
  return true;
}

bool RadioButton::Checked() const {
  return Handle() && SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void RadioButton::SetChecked(bool checked) {
  if (!Handle()) return;
  SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!checked) return;
  for (HWND sibling = GetWindow(GetParent(Handle()), GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (sibling == Handle()) continue;
    if (auto* other = dynamic_cast<RadioButton*>(FromHandle(sibling))) {
      SendMessageW(other->Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
    }
  }
}

bool RadioButton::OnCommand(int code, int) {
  if (code != BN_CLICKED) return false;
  // Only a change is a choice: clicking the item already chosen must not run the choice again.
  bool wasChecked = Checked();
  SetChecked(true);
  if (!wasChecked) Raise(onClick);
  return true;
}

HBRUSH RadioButton::OnCtlColor(HDC dc) { return TransparentColours(dc, colour_.value_or(GetSysColor(COLOR_BTNTEXT))); }

}  // namespace ui
