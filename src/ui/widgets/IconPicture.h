#pragma once
// A picture showing an icon, such as one of the system's standard icons.
#include <string>

#include "ui/widgets/Control.h"

namespace ui {

class IconPicture : public Control {
 public:
  struct CreateArgs {
    // font: not used, the control shows no text
    PRATILO_CONTROL_FIELDS
    HICON icon = nullptr;  // borrowed
  };

  bool Create(const CreateArgs& args);
  HICON Icon() const;
  // Shows another icon (borrowed); the control keeps its place.
  void SetIcon(HICON icon);
};

}  // namespace ui
