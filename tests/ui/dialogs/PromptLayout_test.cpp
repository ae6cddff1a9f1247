#include "ui/dialogs/PromptLayout.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using ui::Rect;
using Widths = std::optional<std::vector<int>>;

TEST(PromptButtonSpan, IsThreeQuartersOfTheScreenRoundedDown) {
  EXPECT_EQ(ui::PromptButtonSpan(1024), 768);
  EXPECT_EQ(ui::PromptButtonSpan(1366), 1024);  // 1024.5
  EXPECT_EQ(ui::PromptButtonSpan(1023), 767);   // 767.25
}

TEST(PromptButtonWidths, FirstRuleThatFitsWins) {
  struct Case {
    const char* what;
    std::vector<int> measured;
    int span;
    Widths expected;
  };
  const Case cases[] = {
      {"narrow captions: the standard width", {56, 61}, 768, std::vector{75, 75}},
      {"standard width exactly at the span", {75, 75}, 174, std::vector{75, 75}},
      {"one narrow button", {20}, 768, std::vector{75}},
      {"nine standard buttons still fit", std::vector<int>(9, 30), 768, std::vector<int>(9, 75)},
      {"ten do not: all as wide as the widest", {30, 20, 30, 30, 30, 30, 30, 30, 30, 36}, 768,
       std::vector<int>(10, 36)},
      {"narrow, one pixel short of the standard row", {40, 60}, 173, std::vector{60, 60}},
      {"narrow row exactly at the span", {60, 60}, 144, std::vector{60, 60}},
      {"a 75 caption is not narrow: measured widths", {75, 40}, 173, std::vector{75, 40}},
      {"wide caption: measured, others at least standard", {76, 40}, 190, std::vector{76, 75}},
      {"at least standard exactly at the span", {100, 40}, 199, std::vector{100, 75}},
      {"one pixel short: measured widths", {100, 40}, 198, std::vector{100, 40}},
      {"measured exactly at the span", {100, 40}, 164, std::vector{100, 40}},
      {"one pixel short of measured: no fit", {100, 40}, 163, std::nullopt},
      {"one caption wider than the span", {800}, 768, std::nullopt},
      {"narrow but too many for a tiny span", {10, 10, 10}, 40, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ui::PromptButtonWidths(c.measured, c.span), c.expected) << c.what;
}

// The message label as the dialog's label behaves: wrapped at its width, or lines of fixed size.
struct TextSizer {
  bool wrap = true;
  int lineHeight = 13;
  int textLength = 0;  // wrapped: the text's length on one line
  SIZE lines{};        // not wrapped: the longest line and the lines' height
  std::vector<int> widthsAsked;

  std::function<SIZE(int)> Fn() {
    return [this](int width) {
      widthsAsked.push_back(width);
      if (!wrap) return lines;
      int count = (textLength + width - 1) / width;
      return SIZE{width, count * lineHeight};
    };
  }
};

struct LayoutCase {
  const char* what;
  std::vector<int> captions;
  int titleWidth;
  bool icon;
  std::optional<int> answerHeight;
  TextSizer text;
  // expected
  std::vector<Rect> buttons;
  Rect panel;
  Rect textRect;
  std::optional<Rect> answer;
  int clientWidth, clientHeight;
  POINT position;
  std::vector<int> widthsAsked;
  bool tooWide = false;
  int screenWidth = 1024;
  SIZE frame{6, 21};
  std::vector<Rect> buttonsBefore{};
  Rect panelBefore = ui::kPromptPanelStart;
  int dpi = 96;
};

ui::PromptLayoutInput InputOf(const LayoutCase& c, TextSizer& sizer) {
  ui::PromptLayoutInput in;
  in.screenWidth = c.screenWidth;
  in.screenHeight = 768;
  in.frame = c.frame;
  in.captionWidths = c.captions;
  in.buttons = c.buttonsBefore;
  if (in.buttons.empty()) in.buttons.assign(c.captions.size(), Rect{0, 0, 75, 25});
  in.panel = c.panelBefore;
  in.titleWidth = c.titleWidth;
  in.icon = c.icon;
  in.answerHeight = c.answerHeight;
  in.textSize = sizer.Fn();
  in.dpi = c.dpi;
  return in;
}

TEST(LayOutPrompt, PlacesEveryPartFromTheMeasuredSizes) {
  const TextSizer batchText{.wrap = false, .lines = {330, 39}};
  const LayoutCase cases[] = {
      {.what = "batch-file question: two standard buttons, text wider than the title",
       .captions = {40, 45}, .titleWidth = 80, .icon = true, .text = batchText,
       .buttons = {{8, 0, 75, 25}, {91, 0, 75, 25}}, .panel = {106, 55, 174, 41}, .textRect = {48, 8, 330, 39},
       .clientWidth = 386, .clientHeight = 88, .position = {316, 329}, .widthsAsked = {118}},
      {.what = "long message: widened by 100 while taller than three quarters of its width",
       .captions = {10}, .titleWidth = 100, .icon = true, .text = {.textLength = 3000},
       .buttons = {{8, 0, 75, 25}}, .panel = {114, 172, 91, 41}, .textRect = {48, 8, 264, 156},
       .clientWidth = 320, .clientHeight = 205, .position = {349, 271}, .widthsAsked = {64, 164, 264}},
      {.what = "huge message: widening stops once the client reaches three quarters less 100",
       .captions = {10}, .titleWidth = 100, .icon = true, .text = {.textLength = 100000},
       .buttons = {{8, 0, 75, 25}}, .panel = {314, 1979, 91, 41}, .textRect = {48, 8, 664, 1963},
       .clientWidth = 720, .clientHeight = 2012, .position = {149, -632},
       .widthsAsked = {64, 164, 264, 364, 464, 564, 664}},
      {.what = "tall lines that do not wrap: widening goes on from the label's own width",
       .captions = {10}, .titleWidth = 80, .icon = true, .text = {.wrap = false, .lines = {200, 400}},
       .buttons = {{8, 0, 75, 25}}, .panel = {304, 416, 91, 41}, .textRect = {48, 8, 200, 400},
       .clientWidth = 700, .clientHeight = 449, .position = {159, 149},
       .widthsAsked = {44, 300, 400, 500, 600, 700, 800}},
      {.what = "no icon, answer box: text at 8, box under it across the dialog",
       .captions = {10, 12}, .titleWidth = 60, .icon = false, .answerHeight = 21, .text = {.textLength = 100},
       .buttons = {{8, 0, 75, 25}, {91, 0, 75, 25}}, .panel = {0, 58, 174, 41}, .textRect = {8, 8, 158, 13},
       .answer = Rect{8, 29, 158, 21}, .clientWidth = 174, .clientHeight = 91, .position = {422, 328},
       .widthsAsked = {158}},
      {.what = "icon and answer box: the box goes under the icon",
       .captions = {10, 12}, .titleWidth = 60, .icon = true, .answerHeight = 21, .text = {.textLength = 100},
       .buttons = {{8, 0, 75, 25}, {91, 0, 75, 25}}, .panel = {0, 77, 174, 41}, .textRect = {48, 8, 118, 13},
       .answer = Rect{8, 48, 158, 21}, .clientWidth = 174, .clientHeight = 110, .position = {422, 318},
       .widthsAsked = {118}},
      {.what = "a title wider than the screen is capped at the screen less 8",
       .captions = {10}, .titleWidth = 2000, .icon = true, .text = {.textLength = 100},
       .buttons = {{8, 0, 75, 25}}, .panel = {462, 48, 91, 41}, .textRect = {48, 8, 960, 13},
       .clientWidth = 1016, .clientHeight = 81, .position = {1, 333}, .widthsAsked = {960}},
      {.what = "at 144 DPI every margin, button and the icon are half as large again; measures are given so",
       .captions = {60, 68}, .titleWidth = 120, .icon = true, .text = {.wrap = false, .lines = {495, 58}},
       .buttons = {{12, 0, 113, 38}, {137, 0, 113, 38}}, .panel = {158, 82, 262, 62}, .textRect = {72, 12, 495, 58},
       .clientWidth = 579, .clientHeight = 132, .position = {219, 307}, .widthsAsked = {178},
       .buttonsBefore = {{0, 0, 113, 38}, {0, 0, 113, 38}}, .panelBefore = {0, 0, 278, 62}, .dpi = 144},
      {.what = "a long unwrapped line makes the dialog wider than the screen",
       .captions = {10}, .titleWidth = 80, .icon = true, .text = {.wrap = false, .lines = {1200, 26}},
       .buttons = {{8, 0, 75, 25}}, .panel = {582, 48, 91, 41}, .textRect = {48, 8, 1200, 26},
       .clientWidth = 1256, .clientHeight = 81, .position = {-119, 333}, .widthsAsked = {44}, .frame = {7, 21}},
      {.what = "buttons too wide: measured widths in place, panel at its first size",
       .captions = {700, 300}, .titleWidth = 50, .icon = true, .text = {.wrap = false, .lines = {100, 13}},
       .buttons = {{0, 0, 716, 25}, {0, 0, 316, 25}}, .panel = {0, 48, 185, 41}, .textRect = {48, 8, 100, 13},
       .clientWidth = 185, .clientHeight = 81, .position = {416, 333}, .widthsAsked = {129}, .tooWide = true},
      {.what = "too wide at a later layout: buttons and panel stay where the first one put them",
       .captions = {700, 300}, .titleWidth = 50, .icon = false, .text = {.wrap = false, .lines = {100, 13}},
       .buttons = {{8, 0, 716, 25}, {91, 0, 316, 25}}, .panel = {0, 29, 174, 41}, .textRect = {8, 8, 100, 13},
       .clientWidth = 174, .clientHeight = 62, .position = {422, 342}, .widthsAsked = {158}, .tooWide = true,
       .buttonsBefore = {{8, 0, 75, 25}, {91, 0, 75, 25}}, .panelBefore = {110, 40, 174, 41}},
      {.what = "a smaller screen: the span shrinks with it",
       .captions = {10, 10, 10}, .titleWidth = 10, .icon = false, .text = {.wrap = false, .lines = {50, 13}},
       .buttons = {{8, 0, 26, 25}, {42, 0, 26, 25}, {76, 0, 26, 25}}, .panel = {0, 29, 110, 41},
       .textRect = {8, 8, 50, 13}, .clientWidth = 110, .clientHeight = 62, .position = {37, 342},
       .widthsAsked = {94}, .screenWidth = 190},
  };
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(c.what);
    TextSizer sizer = c.text;
    ui::PromptLayout out = ui::LayOutPrompt(InputOf(c, sizer));
    EXPECT_EQ(out.buttons, c.buttons);
    EXPECT_EQ(out.panel, c.panel);
    EXPECT_EQ(out.text, c.textRect);
    EXPECT_EQ(out.answer, c.answer);
    EXPECT_EQ(out.clientWidth, c.clientWidth);
    EXPECT_EQ(out.clientHeight, c.clientHeight);
    EXPECT_EQ(out.position.x, c.position.x);
    EXPECT_EQ(out.position.y, c.position.y);
    EXPECT_EQ(sizer.widthsAsked, c.widthsAsked);
    EXPECT_EQ(out.buttonsTooWide, c.tooWide);
  }
}

TEST(LayOutPrompt, ClientHeightFollowsTheFirstButtonsHeight) {
  TextSizer sizer{.wrap = false, .lines = {50, 13}};
  ui::PromptLayoutInput in;
  in.screenWidth = 1024;
  in.screenHeight = 768;
  in.captionWidths = {10, 10};
  in.buttons = {{0, 0, 75, 30}, {0, 0, 75, 25}};
  in.textSize = sizer.Fn();
  ui::PromptLayout out = ui::LayOutPrompt(in);
  EXPECT_EQ(out.panel.y, 29);
  EXPECT_EQ(out.clientHeight, 29 + 30 + 8);
  EXPECT_EQ(out.buttons[0].h, 30);  // heights are not the layout's business
}

}  // namespace
