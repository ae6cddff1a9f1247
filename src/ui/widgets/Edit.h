#pragma once
// One-line edit box with a change event.
#include <functional>
#include <string>
#include <string_view>

#include "ui/widgets/Control.h"

namespace ui {

class Edit : public Control {
 public:
  struct CreateArgs {
    PRATILO_CONTROL_FIELDS
    std::string text;
  };

  bool Create(const CreateArgs& args);
  // Like every control, the edit raises no event for a change the program makes itself.
  void SetText(std::string_view utf8) override;
  bool OnCommand(int code, int id) override;

  // Every change of the text the user makes.
  std::function<void()> onChange;

 private:
  bool settingText_ = false;
};

}  // namespace ui
