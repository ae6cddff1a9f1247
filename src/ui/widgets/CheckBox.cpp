#include "ui/widgets/CheckBox.h"

#include <oleacc.h>

#include "ui/widgets/Event.h"

namespace ui {

bool CheckBox::OnCommand(int code, int) {
  if (code != BN_CLICKED) return false;
  Raise(onClick);
  return true;
}

long CheckBox::AccessibleRole() const { return ROLE_SYSTEM_CHECKBUTTON; }

}  // namespace ui
