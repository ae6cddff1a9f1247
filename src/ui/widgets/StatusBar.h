#pragma once
// Status bar placed where the caller says (not docked), showing one simple text line.
#include <optional>
#include <string>
#include <string_view>

#include "ui/widgets/Control.h"

namespace ui {

class StatusBar : public Control {
 public:
  struct CreateArgs {
    HWND parent = nullptr;
    Rect bounds;
    std::string name;
    int tag = 0;
    bool visible = true;
    bool enabled = true;
    HFONT font = nullptr;                 // borrowed
    std::optional<COLORREF> background;   // none: the system's colour
  };

  bool Create(const CreateArgs& args);
  // Switches to simple mode and shows one line of text.
  bool SetSimpleText(std::string_view utf8);
  std::string SimpleText() const;
};

}  // namespace ui
