#pragma once
// Check box: each click turns it over and raises the click event.
#include "ui/widgets/CheckControl.h"

namespace ui {

class CheckBox : public CheckControl {
 public:
  bool Create(const CreateArgs& args) { return CreateOfStyle(args, BS_AUTOCHECKBOX); }
  long AccessibleRole() const override;
  bool OnCommand(int code, int id) override;
};

}  // namespace ui
