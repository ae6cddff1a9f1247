#pragma once
// What check boxes and radio buttons share: a text in a colour of its own, a checked state, and a
// click event. The kinds differ in how a click and a check from code change the state.
#include <functional>
#include <optional>
#include <string>

#include "ui/widgets/Control.h"

namespace ui {

class CheckControl : public Control {
 public:
  struct CreateArgs {
    PRATILO_CONTROL_FIELDS
    std::string text;
    std::optional<COLORREF> colour;  // none: the system's text colour
    bool checked = false;
  };

  bool Checked() const;
  // From code: no click event.
  virtual void SetChecked(bool checked);
  // Clicks it as a user does: its state changes by its kind's rule and the click event follows.
  void Click();
  HBRUSH OnCtlColor(HDC dc) override;

  std::function<void()> onClick;

 protected:
  // Creates the button of the given style (BS_AUTOCHECKBOX, BS_RADIOBUTTON).
  bool CreateOfStyle(const CreateArgs& args, DWORD style);

 private:
  std::optional<COLORREF> colour_;
};

}  // namespace ui
