#pragma once
// Push button, optionally with a 16 x 16 glyph left or right of its caption.
#include <functional>
#include <string>

#include "ui/base/Gdi.h"
#include "ui/base/Image.h"
#include "ui/widgets/Control.h"

namespace ui {

class Button : public Control {
 public:
  struct CreateArgs {
    PRATILO_CONTROL_FIELDS
    std::string text;
    bool isDefault = false;  // drawn as the default button (the form decides what Enter presses)
  };

  bool Create(const CreateArgs& args);
  // Runs the click event as a user's click would.
  void Click();
  bool OnCommand(int code, int id) override;
  long AccessibleRole() const override;

  std::function<void()> onClick;
};

// A button with a picture; the program tells these apart from plain buttons.
class GlyphButton : public Button {
 public:
  enum class GlyphSide { Left, Right };
  struct GlyphArgs {
    const Image* glyph = nullptr;  // copied into the button's own image list
    GlyphSide side = GlyphSide::Left;
  };

  ~GlyphButton() override { DestroyHandle(); }
  bool Create(const CreateArgs& args, const GlyphArgs& glyph);
  // Another picture (copied), such as the same glyph for another DPI; an empty one leaves the caption alone.
  void SetGlyph(const Image& glyph);
  GlyphSide Side() const { return side_; }
  bool HasGlyph() const { return static_cast<bool>(images_); }

 private:
  ImageList images_;
  GlyphSide side_ = GlyphSide::Left;
};

}  // namespace ui
