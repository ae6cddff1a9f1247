#include "app/wizard/PageFlow.h"

namespace app {

std::optional<Page> PageAt(int index) {
  if (index < 0 || index >= kPageCount) return std::nullopt;
  return static_cast<Page>(index);
}

std::optional<Page> NextPage(Page from, bool testGrid) {
  if (from == Page::ts7) return std::nullopt;
  if (from == Page::ts2 && testGrid) return Page::ts6;
  return PageAt(PageIndex(from) + 1);
}

std::optional<Page> PreviousPage(Page from, bool testGrid) {
  if (from == Page::ts0 || from == Page::ts7) return std::nullopt;
  if (from == Page::ts6 && testGrid) return Page::ts2;
  return PageAt(PageIndex(from) - 1);
}

}  // namespace app
