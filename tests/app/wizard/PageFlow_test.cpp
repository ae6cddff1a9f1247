#include "app/wizard/PageFlow.h"

#include <gtest/gtest.h>

#include <vector>

using app::Page;

namespace {

struct Step {
  Page from;
  bool testGrid;
  std::optional<Page> next, previous;
};

const Step kSteps[] = {
    {Page::ts0, false, Page::ts1, std::nullopt}, {Page::ts0, true, Page::ts1, std::nullopt},
    {Page::ts1, false, Page::ts2, Page::ts0},    {Page::ts1, true, Page::ts2, Page::ts0},
    {Page::ts2, false, Page::ts4, Page::ts1},    {Page::ts2, true, Page::ts6, Page::ts1},
    {Page::ts4, false, Page::ts6, Page::ts2},    {Page::ts4, true, Page::ts6, Page::ts2},  // reached by the summary link
    {Page::ts6, false, Page::ts7, Page::ts4},    {Page::ts6, true, Page::ts7, Page::ts2},
    {Page::ts7, false, std::nullopt, std::nullopt}, {Page::ts7, true, std::nullopt, std::nullopt},
};

}  // namespace

TEST(PageFlow, NextAndPreviousFromEveryPage) {
  for (const auto& s : kSteps) {
    EXPECT_EQ(app::NextPage(s.from, s.testGrid), s.next) << app::PageIndex(s.from) << " grid " << s.testGrid;
    EXPECT_EQ(app::PreviousPage(s.from, s.testGrid), s.previous) << app::PageIndex(s.from) << " grid " << s.testGrid;
  }
}

TEST(PageFlow, PreviousRetracesNextOnBothRoads) {
  for (bool testGrid : {false, true}) {
    std::vector<Page> forward{Page::ts0};
    while (auto next = app::NextPage(forward.back(), testGrid)) forward.push_back(*next);
    EXPECT_EQ(forward.size(), testGrid ? 5u : 6u);
    EXPECT_EQ(forward.back(), Page::ts7);
    // From the summary back to the first page, the same pages in reverse.
    std::vector<Page> back{Page::ts6};
    while (auto previous = app::PreviousPage(back.back(), testGrid)) back.push_back(*previous);
    std::vector<Page> expected(forward.rbegin() + 1, forward.rend());
    EXPECT_EQ(back, expected) << "grid " << testGrid;
  }
}

TEST(PageFlow, IndexesFollowThePageControl) {
  const Page pages[] = {Page::ts0, Page::ts1, Page::ts2, Page::ts4, Page::ts6, Page::ts7};
  for (int i = 0; i < app::kPageCount; ++i) {
    EXPECT_EQ(app::PageAt(i), pages[i]) << i;
    EXPECT_EQ(app::PageIndex(pages[i]), i);
  }
  EXPECT_EQ(app::PageAt(-1), std::nullopt);
  EXPECT_EQ(app::PageAt(6), std::nullopt);
}
