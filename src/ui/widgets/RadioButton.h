#pragma once
// Radio button: checking one unchecks the other radio buttons of the same parent.
#include "ui/widgets/CheckControl.h"

namespace ui {

class RadioButton : public CheckControl {
 public:
  bool Create(const CreateArgs& args) { return CreateOfStyle(args, BS_RADIOBUTTON); }
  long AccessibleRole() const override;
  // From code: no click event. A user's click raises it only when the button was not checked.
  void SetChecked(bool checked) override;
  bool OnCommand(int code, int id) override;
};

}  // namespace ui
