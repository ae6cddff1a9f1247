#pragma once
// Radio button with a font colour; checking one unchecks the other radio buttons of the same parent.
#include <functional>
#include <optional>
#include <string>

#include "ui/widgets/Control.h"

namespace ui {

class RadioButton : public Control {
 public:
  struct CreateArgs {
    HWND parent = nullptr;
    Rect bounds;
    std::string name;
    int tag = 0;
    bool visible = true;
    bool enabled = true;
    HFONT font = nullptr;  // borrowed
    std::string text;
    std::optional<COLORREF> colour;  // none: the system's text colour
    bool checked = false;
  };

  bool Create(const CreateArgs& args);
  bool Checked() const;
  // From code: no click event. A user's click raises it only when the button was not checked.
  void SetChecked(bool checked);
  bool OnCommand(int code, int id) override;
  HBRUSH OnCtlColor(HDC dc) override;

  std::function<void()> onClick;

 private:
  std::optional<COLORREF> colour_;
};

}  // namespace ui
