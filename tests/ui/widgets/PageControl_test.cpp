#include "ui/widgets/PageControl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Gui.h"
#include "ui/widgets/Form.h"

namespace {

// What a page makes on its first showing must be there when it appears: the page hears of it once,
// while still hidden, and a page never shown hears nothing.
TEST(PageControl, AnnouncesAPagesFirstShowingOnceWhileItIsStillHidden) {
  ui::Form form;
  ASSERT_TRUE(form.Create({.className = L"TPratiloPagesForm", .name = "fPages", .caption = "Pages",
                           .clientWidth = 300, .clientHeight = 200}));
  ui::PageControl pc;
  ASSERT_TRUE(pc.Create({.parent = form.Handle(), .bounds = {0, 0, 300, 200}, .name = "pc"}));
  ui::Page first, second, third;
  pc.AddPage(first, "ts0", "ts0");
  pc.AddPage(second, "ts1", "ts1");
  pc.AddPage(third, "ts2", "ts2");
  std::vector<std::string> heard;
  for (auto [page, name] : {std::pair{&second, "ts1"}, {&third, "ts2"}}) {
    page->onFirstShow = [&heard, page, name] {
      heard.push_back(std::string(name) + (IsWindowVisible(page->Handle()) ? " visible" : " hidden"));
    };
  }
  form.Show();
  pc.SetActivePage(second);
  pc.SetActivePage(first);
  pc.SetActivePage(second);
  testing_support::Pump();
  EXPECT_EQ(heard, (std::vector<std::string>{"ts1 hidden"}));
  EXPECT_TRUE(IsWindowVisible(second.Handle()));
  form.Destroy();
}

}  // namespace
