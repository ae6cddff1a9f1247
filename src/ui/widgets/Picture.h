#pragma once
// A picture drawn 1:1 from a decoded image; the control takes the image's size.
#include <string>

#include "ui/base/Gdi.h"
#include "ui/base/Image.h"
#include "ui/widgets/Control.h"

namespace ui {

class Picture : public Control {
 public:
  struct CreateArgs {
    // bounds: the size follows the image once one is set
    // font: not used, the control shows no text
    PRATILO_CONTROL_FIELDS
  };

  ~Picture() override { DestroyHandle(); }
  bool Create(const CreateArgs& args);
  // Copies the image into an owned bitmap and resizes the control to it.
  void SetImage(const Image& image);
  bool HasImage() const { return static_cast<bool>(bitmap_); }
  SIZE ImageSize() const { return size_; }

  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void Draw(HDC dc, const RECT& area) const;
  Bitmap bitmap_;
  SIZE size_{};
};

}  // namespace ui
