#include "ui/widgets/RadioButton.h"

#include <oleacc.h>

#include "ui/widgets/Event.h"

namespace ui {

void RadioButton::SetChecked(bool checked) {
  CheckControl::SetChecked(checked);
  if (!checked || !Handle()) return;
  for (HWND sibling = GetWindow(GetParent(Handle()), GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (sibling == Handle()) continue;
    if (auto* other = dynamic_cast<RadioButton*>(FromHandle(sibling))) other->CheckControl::SetChecked(false);
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

long RadioButton::AccessibleRole() const { return ROLE_SYSTEM_RADIOBUTTON; }

}  // namespace ui
