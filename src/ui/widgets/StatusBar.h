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
    PRATILO_CONTROL_FIELDS
    std::optional<COLORREF> background;   // none: the system's colour
  };

  bool Create(const CreateArgs& args);
  // Switches to simple mode and shows one line of text.
  bool SetSimpleText(std::string_view utf8);
  std::string SimpleText() const;
};

}  // namespace ui
