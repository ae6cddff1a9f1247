#pragma once
// Static text drawn on its parent's background in a font colour. Without a size it sizes itself
// to its text, also when the text changes: with word wrap and a width it keeps the width and its
// height follows the wrapped lines; otherwise it takes the size of its lines.
#include <optional>
#include <string>
#include <string_view>

#include "ui/widgets/Control.h"

namespace ui {

enum class Align { Left, Center, Right };

class Label : public Control {
 public:
  struct CreateArgs {
    // bounds: height 0 (and width 0 without word wrap): sized to the text
    PRATILO_CONTROL_FIELDS
    std::string text;
    COLORREF colour = GetSysColor(COLOR_WINDOWTEXT);
    Align align = Align::Left;
    bool wordWrap = false;
  };

  bool Create(const CreateArgs& args);
  void SetText(std::string_view utf8) override;
  // A self-sizing label fits itself to its text again at the new width (pixels).
  void SetWidth(int width);
  bool WordWrap() const { return wordWrap_; }
  bool AutoSize() const { return autoSize_; }
  COLORREF Colour() const { return colour_; }
  void SetColour(COLORREF colour);
  HBRUSH OnCtlColor(HDC dc) override;
  bool LiesUnder() const override { return true; }
  // Just before that control of the same parent in z-order, where Windows' own objects take a
  // field's accessible name from. Called once the parent's controls are made: a control made later
  // goes above the first label it meets.
  void PutJustBefore(const Control& named);
  void OnDpiChanged(int dpi) override;

 protected:
  bool CreateLabel(const CreateArgs& args, DWORD extraStyle);

 private:
  void FitToText();
  COLORREF colour_ = 0;
  bool autoSize_ = false;
  bool wordWrap_ = false;
};

// Size in pixels of a text drawn in a font: one line, or wrapped at a width when wrapWidth > 0.
SIZE MeasureText(HFONT font, std::string_view utf8, int wrapWidth = 0);
// Size of a text that keeps its line breaks (CR LF) and is not wrapped: the longest line's width.
SIZE MeasureLines(HFONT font, std::string_view utf8);

}  // namespace ui
