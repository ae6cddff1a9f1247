#pragma once
// Read-only rich text (rich edit 4.1): text appended in pieces, each with its character attributes;
// the attributes at the selection can be read back, and selection changes raise an event.
#include <richedit.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "ui/widgets/Control.h"

namespace ui {

struct CharFormat {
  std::string font = "MS Sans Serif";
  int points = 8;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  COLORREF colour = RGB(0, 0, 0);
  bool operator==(const CharFormat&) const = default;
};

class RichText : public Control {
 public:
  struct CreateArgs {
    PRATILO_CONTROL_FIELDS
    bool readOnly = true;
    bool verticalScrollBar = true;
  };

  bool Create(const CreateArgs& args);
  void Clear();
  // Adds text at the end in the given attributes; \r\n is a line break.
  void Append(std::string_view utf8, const CharFormat& format);
  // The whole text with \r\n line breaks.
  std::string PlainText() const;
  // Character positions count UTF-16 units, line breaks as one character.
  void Select(int start, int end);
  CHARRANGE Selection() const;
  // The attributes of the first character of the selection (of the insertion point when empty).
  CharFormat SelectionFormat() const;
  // The attributes of one character; the selection and the events are left as they were.
  CharFormat FormatAt(int position);

  bool OnNotify(NMHDR* header, LRESULT& result) override;
  bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  // Rich text sizes its points for the primary monitor: on a monitor of another DPI it is zoomed.
  void OnDpiChanged(int dpi) override;
  long AccessibleRole() const override;
  // The zoom as numerator and denominator; 0, 0 when none.
  std::pair<int, int> Zoom() const;

  std::function<void()> onSelectionChange;
  // Enter while the text has the keyboard: taken when takesEnter says so (then onEnter is raised),
  // otherwise left to the form, whose default button answers it.
  std::function<bool()> takesEnter;
  std::function<void()> onEnter;
};

}  // namespace ui
