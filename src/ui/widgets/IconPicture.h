#pragma once
// A picture showing an icon, such as one of the system's standard icons.
#include <string>

#include "ui/widgets/Control.h"

namespace ui {

class IconPicture : public Control {
 public:
  struct CreateArgs {
    HWND parent = nullptr;
    Rect bounds;
    std::string name;
    int tag = 0;
    bool visible = true;
    bool enabled = true;
    HFONT font = nullptr;  // unused; kept for the common fields
    HICON icon = nullptr;  // borrowed
  };

  bool Create(const CreateArgs& args);
  HICON Icon() const;
  // Shows another icon (borrowed); the control keeps its place.
  void SetIcon(HICON icon);
};

}  // namespace ui
