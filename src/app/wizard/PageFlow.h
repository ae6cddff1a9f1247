#pragma once
// The order of the wizard's pages and where Next and Previous lead, apart from the window.
#include <optional>

#include "setup/InstallChoice.h"

namespace app {

// The pages in the order of the page control; the value is the page's index.
enum class Page { ts0 = 0, ts1 = 1, ts2 = 2, ts4 = 3, ts6 = 4, ts7 = 5 };

inline constexpr int kPageCount = 6;
// The last item of the variant group: the test grid, which has no resolution.
using setup::kTestGridIndex;

inline constexpr int PageIndex(Page page) { return static_cast<int>(page); }
// The page at a page-control index; none outside 0..5.
std::optional<Page> PageAt(int index);

// Where Next leads: one page on, except from the variant page with the test grid chosen, which
// skips the resolution page. Reaching ts7 starts the installation. None from ts7.
std::optional<Page> NextPage(Page from, bool testGrid);
// Where Previous leads: one page back, except from the summary with the test grid chosen, which
// skips the resolution page. None from ts0 and from ts7, which have no Previous button.
std::optional<Page> PreviousPage(Page from, bool testGrid);

}  // namespace app
