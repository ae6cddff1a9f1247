#pragma once
// A borderless container: pages, the window onto a wide picture, any group of children.
// It clips its children, so a child moved to a negative left shows only its visible part.
#include <optional>
#include <string>

#include "ui/base/Gdi.h"
#include "ui/widgets/Control.h"

namespace ui {

class Panel : public Control {
 public:
  struct CreateArgs {
    // font: none, the parent's
    PRATILO_CONTROL_FIELDS
    std::optional<COLORREF> background;  // none: the parent's background
    int loweredBevel = 0;                // width of a sunken frame drawn just inside the edge
  };

  ~Panel() override { DestroyHandle(); }
  bool Create(const CreateArgs& args);
  HBRUSH BackgroundBrush() const override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
  Brush brush_;
  HFONT font_ = nullptr;  // borrowed
  int loweredBevel_ = 0;
};

}  // namespace ui
