#include "ui/widgets/StatusBar.h"

#include <gtest/gtest.h>

#include "support/Gui.h"

namespace {

TEST(StatusBar, IsNotDockedAndKeepsItsPlace) {
  testing_support::Host host;
  ui::StatusBar bar;
  ASSERT_TRUE(bar.Create({.parent = host.Handle(), .bounds = {112, 212, 425, 31}, .name = "sb0", .tag = 7,
                          .visible = false, .background = RGB(94, 94, 42)}));
  // Not docked: the bar stays where it was put, also after the parent is resized.
  SetWindowPos(host.Handle(), nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(bar.Bounds(), (ui::Rect{112, 212, 425, 31}));
}

TEST(StatusBar, SimpleTextRoundTripsUtf8AndReplacesTheLine) {
  testing_support::Host host;
  ui::StatusBar bar;
  ASSERT_TRUE(bar.Create({.parent = host.Handle(), .bounds = {0, 0, 300, 19}}));
  EXPECT_EQ(bar.SimpleText(), "");
  for (const char* text : {" 42 %", "Décompression de « T2_512.bmp »", "", " 100 %"}) {
    EXPECT_TRUE(bar.SetSimpleText(text));
    EXPECT_EQ(bar.SimpleText(), text);
  }
  EXPECT_TRUE(SendMessageW(bar.Handle(), SB_ISSIMPLE, 0, 0));
}

TEST(StatusBar, WithoutWindowReportsFailure) {
  ui::StatusBar bar;
  EXPECT_FALSE(bar.SetSimpleText("x"));
  EXPECT_EQ(bar.SimpleText(), "");
  EXPECT_EQ(bar.Handle(), nullptr);
}

TEST(StatusBar, DestroyedWithItsParentWithoutDanglingHandle) {
  ui::StatusBar bar;
  {
    testing_support::Host host;
    ASSERT_TRUE(bar.Create({.parent = host.Handle(), .bounds = {0, 0, 100, 19}}));
  }
  EXPECT_EQ(bar.Handle(), nullptr);
  EXPECT_FALSE(bar.SetSimpleText("after"));
}

}  // namespace
