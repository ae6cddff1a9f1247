#include "ui/dialogs/PromptLayout.h"

#include <algorithm>
#include <numeric>

namespace ui {

namespace {

// The layout's lengths in pixels at one DPI.
struct Metrics {
  int gap, buttonWidth, buttonHeight, captionPadding, iconSize, widening;
  explicit Metrics(int dpi)
      : gap(Scale(kPromptMargin, dpi)),
        buttonWidth(Scale(kPromptButtonWidth, dpi)),
        buttonHeight(Scale(kPromptButtonHeight, dpi)),
        captionPadding(Scale(kPromptCaptionPadding, dpi)),
        iconSize(Scale(kPromptIconSize, dpi)),
        widening(Scale(kPromptWidening, dpi)) {}
};

// Left edge to right edge of a row of buttons with a margin before, between and after them.
int RowWidth(const std::vector<int>& widths, int gap) {
  return std::accumulate(widths.begin(), widths.end(), gap, [gap](int sum, int w) { return sum + w + gap; });
}

}  // namespace

int PromptButtonSpan(int screenWidth) { return screenWidth * 3 / 4; }

std::optional<std::vector<int>> PromptButtonWidths(const std::vector<int>& measured, int span, int dpi) {
  const Metrics m(dpi);
  const int n = static_cast<int>(measured.size());
  const int widest = measured.empty() ? 0 : *std::max_element(measured.begin(), measured.end());
  if (widest <= m.buttonWidth && n * (m.buttonWidth + m.gap) + m.gap <= span)
    return std::vector<int>(measured.size(), m.buttonWidth);
  // Narrow captions that do not fit at the standard width: all as wide as the widest one.
  if (widest < m.buttonWidth && n * (widest + m.gap) + m.gap <= span)
    return std::vector<int>(measured.size(), widest);
  std::vector<int> atLeastStandard(measured);
  for (int& w : atLeastStandard) w = std::max(w, m.buttonWidth);
  if (RowWidth(atLeastStandard, m.gap) <= span) return atLeastStandard;
  if (RowWidth(measured, m.gap) <= span) return measured;
  return std::nullopt;
}

PromptLayout LayOutPrompt(const PromptLayoutInput& in) {
  PromptLayout out;
  const Metrics m(in.dpi);
  const int kGap = m.gap;
  const int span = PromptButtonSpan(in.screenWidth);
  const int textLeft = in.icon ? kGap + m.iconSize + kGap : kGap;

  std::vector<int> measured;
  for (int w : in.captionWidths) measured.push_back(w + m.captionPadding);
  out.buttons = in.buttons;
  out.buttons.resize(measured.size(), Rect{0, 0, m.buttonWidth, m.buttonHeight});
  out.panel = in.panel;
  if (auto widths = PromptButtonWidths(measured, span, in.dpi)) {
    int left = kGap;
    for (size_t i = 0; i < widths->size(); ++i) {
      out.buttons[i].x = left;
      out.buttons[i].w = (*widths)[i];
      left += (*widths)[i] + kGap;
    }
    out.panel.w = RowWidth(*widths, kGap);
  } else {
    // The buttons keep their places and take their measured widths; the panel keeps its size.
    out.buttonsTooWide = true;
    for (size_t i = 0; i < measured.size(); ++i) out.buttons[i].w = measured[i];
  }

  int client = std::min(std::max(in.titleWidth + Scale(20, in.dpi), out.panel.w), in.screenWidth - kGap);

  SIZE text = in.textSize(client - textLeft - kGap);
  // A message much taller than wide gets a wider dialog, a step at a time, up to a limit.
  int width = text.cx;
  while (text.cy > m.iconSize && text.cy > text.cx * 3 / 4 && client < span - m.widening) {
    width += m.widening;
    text = in.textSize(width);
    client += m.widening;
  }
  out.text = {textLeft, kGap, static_cast<int>(text.cx), static_cast<int>(text.cy)};
  client = std::max(client, out.text.x + out.text.w + kGap);

  int y = kGap + out.text.h + kGap;
  if (in.icon) y = std::max(y, kGap + m.iconSize + kGap);
  if (in.answerHeight) {
    out.answer = Rect{kGap, y, client - 2 * kGap, *in.answerHeight};
    y += *in.answerHeight + kGap;
  }
  out.panel.x = (client - out.panel.w) / 2;
  out.panel.y = y;

  out.clientWidth = client;
  out.clientHeight = y + (out.buttons.empty() ? m.buttonHeight : out.buttons.front().h) + kGap;
  out.position = {(in.screenWidth - (client + in.frame.cx)) / 2,
                  (in.screenHeight - (out.clientHeight + in.frame.cy)) / 2};
  return out;
}

}  // namespace ui
