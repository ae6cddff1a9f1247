#pragma once
// What the wait window shows for a text given to it.
#include <string>
#include <string_view>

namespace ui {

struct WaitLines {
  std::string title;  // bold line
  std::string text;   // the line the operation updates
  bool operator==(const WaitLines&) const = default;
};

// "title\ttext": the title is what comes before the first tab, without one pair of surrounding double
// quotes and without blanks and control characters at its ends; the text is the rest as it stands.
// Without a tab everything is title.
WaitLines SplitWaitText(std::string_view text);

}  // namespace ui
