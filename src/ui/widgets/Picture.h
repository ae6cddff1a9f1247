#pragma once
// A picture drawn 1:1 from a decoded image; the control takes the image's size.
#include <functional>
#include <string>

#include "ui/base/Gdi.h"
#include "ui/base/Image.h"
#include "ui/widgets/Control.h"

namespace ui {

class Picture : public Control {
 public:
  long AccessibleRole() const override;
  struct CreateArgs {
    // bounds: the size follows the image once one is set
    // font: not used, the control shows no text
    PRATILO_CONTROL_FIELDS
  };

  ~Picture() override { DestroyHandle(); }
  bool Create(const CreateArgs& args);
  // Copies the image into an owned bitmap and resizes the control to it.
  void SetImage(const Image& image);
  // The image is made by the loader, and set, only when it is first needed: painted, printed or asked
  // about. Pictures of pages nobody opens cost nothing.
  void SetImageLoader(std::function<Image()> loader);
  bool HasImage();
  SIZE ImageSize();

  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void Draw(HDC dc, const RECT& area) const;
  void LoadPending();
  std::function<Image()> loader_;
  Bitmap bitmap_;
  SIZE size_{};
};

}  // namespace ui
