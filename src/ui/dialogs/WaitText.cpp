#include "ui/dialogs/WaitText.h"

#include "core/TextTools.h"

namespace ui {

WaitLines SplitWaitText(std::string_view text) {
  std::string rest(text);
  std::string title = core::CutField(rest, "\t");
  return {core::TrimText(title), rest};
}

}  // namespace ui
