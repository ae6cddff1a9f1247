#pragma once
// STUB until merge
namespace app {
inline constexpr int kTestGridIndex = 5;
inline int NextPageIndex(int page, bool testGrid) { return page + ((page == 2 && testGrid) ? 2 : 1); }
inline int PreviousPageIndex(int page, bool testGrid) { return page - ((page == 4 && testGrid) ? 2 : 1); }
}
