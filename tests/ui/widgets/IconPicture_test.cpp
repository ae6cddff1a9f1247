#include "ui/widgets/IconPicture.h"

#include <gtest/gtest.h>

#include "support/Gui.h"

namespace {

TEST(IconPicture, ShowsTheIconInTheBoundsItWasGiven) {
  testing_support::Host host;
  struct Case {
    ui::Rect bounds;
    const wchar_t* icon;
  };
  const Case cases[] = {{{8, 8, 32, 32}, IDI_QUESTION}, {{20, 30, 48, 48}, IDI_HAND}, {{0, 0, 16, 16}, nullptr}};
  for (const Case& c : cases) {
    ui::IconPicture picture;
    HICON icon = c.icon ? LoadIconW(nullptr, c.icon) : nullptr;
    ASSERT_TRUE(picture.Create({.parent = host.Handle(), .bounds = c.bounds, .icon = icon}));
    EXPECT_EQ(picture.Icon(), icon);
    EXPECT_EQ(picture.Bounds(), c.bounds);
  }
}

}  // namespace
