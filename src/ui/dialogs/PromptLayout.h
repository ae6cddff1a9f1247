#pragma once
// Where the parts of the prompt dialog go, worked out from the measured sizes of its texts and the
// size of the screen. No window is touched here: the dialog measures, this decides, the dialog moves.
// The constants are design units; everything given and returned is in pixels at the given DPI.
#include <windows.h>

#include <functional>
#include <optional>
#include <vector>

#include "ui/base/DpiScaling.h"
#include "ui/base/Geometry.h"

namespace ui {

inline constexpr int kPromptMargin = 8;        // around and between everything
inline constexpr int kPromptButtonWidth = 75;  // the standard button
inline constexpr int kPromptButtonHeight = 25;
inline constexpr int kPromptCaptionPadding = 16;  // added to a caption's width to make its button's
inline constexpr int kPromptIconSize = 32;
inline constexpr int kPromptWidening = 100;  // a tall message widens the dialog in steps of this
inline constexpr Rect kPromptPanelStart{0, 0, 185, 41};

struct PromptLayoutInput {
  int dpi = kDesignDpi;
  int screenWidth = 0, screenHeight = 0;
  SIZE frame{};                    // the dialog's outer size minus its client size
  std::vector<int> captionWidths;  // each button's caption on the drawing surface, in button order
  std::vector<Rect> buttons;       // where the buttons are now, in the panel
  Rect panel = kPromptPanelStart;  // where the panel is now (pixels)
  int titleWidth = 0;              // the dialog's title in 12-point bold
  bool icon = false;
  std::optional<int> answerHeight;  // the answer box's height, when there is one
  // The message label's size once it is given a width: the label sizes itself to its text.
  std::function<SIZE(int width)> textSize;
};

struct PromptLayout {
  std::vector<Rect> buttons;  // in the panel
  Rect panel;
  Rect text;
  std::optional<Rect> answer;
  int clientWidth = 0, clientHeight = 0;
  POINT position{};             // the dialog's top-left corner, centred on the screen
  bool buttonsTooWide = false;  // even at their measured widths they do not fit: left as they were
};

// The width the row of buttons may take: three quarters of the screen.
int PromptButtonSpan(int screenWidth);

// Widths of the buttons from their measured widths (caption + padding), or none when they cannot be
// placed within the span even at their measured widths.
std::optional<std::vector<int>> PromptButtonWidths(const std::vector<int>& measured, int span,
                                                  int dpi = kDesignDpi);

PromptLayout LayOutPrompt(const PromptLayoutInput& in);

}  // namespace ui
