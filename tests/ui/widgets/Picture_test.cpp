#include "ui/widgets/Picture.h"

#include <gtest/gtest.h>

#include "support/Gui.h"
#include "ui/widgets/Panel.h"

namespace {

// Six 300-pixel views side by side, each of its own colour.
ui::Image Strip() {
  ui::Image image{1800, 200, std::vector<uint8_t>(1800 * 200 * 4)};
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 1800; ++x) {
      uint8_t* p = image.bgra.data() + (static_cast<size_t>(y) * 1800 + x) * 4;
      p[0] = static_cast<uint8_t>(40 * (x / 300));
      p[1] = static_cast<uint8_t>(y);
      p[2] = 200;
      p[3] = 255;
    }
  return image;
}

COLORREF Printed(ui::Picture& picture, int x, int y) {
  return testing_support::DrawnPixel(picture.Handle(), WM_PRINTCLIENT, picture.ImageSize(), x, y);
}

TEST(Picture, TakesTheImagesSizeAndDrawsItOneToOne) {
  testing_support::Host host;
  ui::Panel window;
  ui::Picture picture;
  ASSERT_TRUE(window.Create({.parent = host.Handle(), .bounds = {0, 8, 300, 200}, .name = "pi2"}));
  ASSERT_TRUE(picture.Create({.parent = window.Handle(), .bounds = {-300, 0, 10, 10}, .name = "i2"}));
  EXPECT_FALSE(picture.HasImage());
  picture.SetImage(Strip());
  EXPECT_TRUE(picture.HasImage());
  EXPECT_EQ(picture.Bounds(), (ui::Rect{-300, 0, 1800, 200}));
  EXPECT_EQ(Printed(picture, 0, 0), RGB(200, 0, 0));
  EXPECT_EQ(Printed(picture, 650, 17), RGB(200, 17, 80));
  EXPECT_EQ(Printed(picture, 1799, 199), RGB(200, 199, 200));
  // Moving the picture to show the fifth view keeps it inside its panel.
  picture.Move(-300 * 4, 0);
  EXPECT_EQ(picture.Bounds(), (ui::Rect{-1200, 0, 1800, 200}));
  EXPECT_TRUE(GetWindowLongPtrW(window.Handle(), GWL_STYLE) & WS_CLIPCHILDREN);
  EXPECT_FALSE(GetWindowLongPtrW(window.Handle(), GWL_STYLE) & WS_BORDER);
  EXPECT_FALSE(GetWindowLongPtrW(window.Handle(), GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
}

TEST(Picture, AnEmptyImageLeavesThePictureBlank) {
  testing_support::Host host;
  ui::Picture picture;
  picture.Create({.parent = host.Handle(), .bounds = {0, 0, 20, 20}});
  picture.SetImage(Strip());
  picture.SetImage(ui::Image{});
  EXPECT_FALSE(picture.HasImage());
  EXPECT_EQ(picture.ImageSize().cx, 0);
}

// A picture given a loader decodes nothing until it is painted, printed or asked about, and then once;
// an image set meanwhile wins over the loader.
TEST(Picture, ALoaderRunsOnceWhenThePictureIsFirstNeeded) {
  testing_support::Host host;
  ui::Picture shown, printed, replaced;
  int loads = 0;
  auto loader = [&loads] {
    ++loads;
    return Strip();
  };
  shown.Create({.parent = host.Handle(), .bounds = {0, 0, 1800, 200}});
  printed.Create({.parent = host.Handle(), .bounds = {0, 0, 1800, 200}, .visible = false});
  replaced.Create({.parent = host.Handle(), .bounds = {0, 0, 1800, 200}, .visible = false});
  shown.SetImageLoader(loader);
  printed.SetImageLoader(loader);
  replaced.SetImageLoader(loader);
  EXPECT_EQ(loads, 0);
  ShowWindow(host.Handle(), SW_SHOWNA);
  RedrawWindow(host.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  EXPECT_EQ(loads, 1);  // the shown one, painted
  EXPECT_EQ(Printed(printed, 650, 17), RGB(200, 17, 80));
  EXPECT_EQ(loads, 2);
  replaced.SetImage(ui::Image{});
  EXPECT_FALSE(replaced.HasImage());
  EXPECT_TRUE(shown.HasImage());
  EXPECT_EQ(loads, 2);
}

TEST(Panel, DrawsALoweredBevelInsideItsEdge) {
  testing_support::Host host;
  ui::Panel flat, bevelled;
  flat.Create({.parent = host.Handle(), .bounds = {0, 0, 40, 30}, .background = RGB(166, 202, 240)});
  bevelled.Create({.parent = host.Handle(), .bounds = {50, 0, 40, 30}, .background = RGB(166, 202, 240),
                   .loweredBevel = 2});
  auto erased = [](const ui::Panel& panel, int x, int y) {
    return testing_support::DrawnPixel(panel.Handle(), WM_ERASEBKGND, {40, 30}, x, y);
  };

  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  EXPECT_EQ(erased(flat, 0, 0), RGB(166, 202, 240));
  // Shadow on the top and left, light on the bottom and right, two pixels deep.
  for (int d : {0, 1}) {
    EXPECT_EQ(erased(bevelled, 10, d), shadow) << d;
    EXPECT_EQ(erased(bevelled, d, 10), shadow) << d;
    EXPECT_EQ(erased(bevelled, 10, 29 - d), light) << d;
    EXPECT_EQ(erased(bevelled, 39 - d, 10), light) << d;
  }
  EXPECT_EQ(erased(bevelled, 2 + 1, 10), RGB(166, 202, 240));
}

TEST(Panel, GivesItsOwnColourOrItsParentsToChildren) {
  testing_support::Host host;
  ui::Panel coloured, plain, inner;
  coloured.Create({.parent = host.Handle(), .background = RGB(94, 94, 42)});
  inner.Create({.parent = coloured.Handle()});
  plain.Create({.parent = host.Handle()});
  LOGBRUSH lb{};
  GetObjectW(inner.BackgroundBrush(), sizeof lb, &lb);
  EXPECT_EQ(lb.lbColor, RGB(94, 94, 42));
  EXPECT_EQ(plain.BackgroundBrush(), GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace
