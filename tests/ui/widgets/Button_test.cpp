#include "ui/widgets/Button.h"

#include <gtest/gtest.h>

#include "support/Gui.h"
#include "ui/widgets/CheckBox.h"
#include "ui/widgets/RadioButton.h"

namespace {

ui::Image Square(uint32_t argb) {
  ui::Image image{16, 16, std::vector<uint8_t>(16 * 16 * 4)};
  for (size_t i = 0; i < image.bgra.size(); i += 4) {
    image.bgra[i] = static_cast<uint8_t>(argb);
    image.bgra[i + 1] = static_cast<uint8_t>(argb >> 8);
    image.bgra[i + 2] = static_cast<uint8_t>(argb >> 16);
    image.bgra[i + 3] = static_cast<uint8_t>(argb >> 24);
  }
  return image;
}

TEST(Button, ARealClickRaisesTheEventOnceAndDisabledButtonsStayQuiet) {
  testing_support::Host host;
  ui::Button button;
  ASSERT_TRUE(button.Create({.parent = host.Handle(), .bounds = {446, 218, 91, 25}, .name = "q0", .tag = 2,
                             .text = "Renoncer"}));
  int clicks = 0;
  button.onClick = [&] { ++clicks; };
  SendMessageW(button.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  button.SetEnabled(false);
  SendMessageW(button.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(button.Text(), "Renoncer");
}

TEST(GlyphButton, CarriesItsGlyphOnTheAskedSide) {
  testing_support::Host host;
  ui::Image red = Square(0xFFFF0000);
  ui::GlyphButton next, previous, bare;
  ASSERT_TRUE(next.Create({.parent = host.Handle(), .text = "Suivant"}, {&red, ui::GlyphButton::GlyphSide::Right}));
  ASSERT_TRUE(previous.Create({.parent = host.Handle(), .text = "Précédent"}, {&red, ui::GlyphButton::GlyphSide::Left}));
  ASSERT_TRUE(bare.Create({.parent = host.Handle(), .text = "Ok"}, {}));
  for (auto* b : {&next, &previous}) {
    BUTTON_IMAGELIST list{};
    ASSERT_TRUE(SendMessageW(b->Handle(), BCM_GETIMAGELIST, 0, reinterpret_cast<LPARAM>(&list)));
    ASSERT_NE(list.himl, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(list.himl), 1);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(list.himl, &cx, &cy);
    EXPECT_EQ(cx, 16);
    EXPECT_EQ(cy, 16);
    EXPECT_EQ(list.uAlign, b == &next ? BUTTON_IMAGELIST_ALIGN_RIGHT : BUTTON_IMAGELIST_ALIGN_LEFT);
  }
  EXPECT_TRUE(next.HasGlyph());
  EXPECT_FALSE(bare.HasGlyph());
  EXPECT_EQ(previous.Text(), "Précédent");
}

TEST(RadioButton, CheckingOneReleasesItsSiblingsButNotOtherParents) {
  testing_support::Host host, other;
  ui::RadioButton fs9, fsx, elsewhere;
  fs9.Create({.parent = host.Handle(), .bounds = {112, 12, 89, 17}, .name = "rbFS9", .text = "FS2004"});
  fsx.Create({.parent = host.Handle(), .bounds = {240, 12, 65, 17}, .name = "rbFSX", .text = "FSX"});
  elsewhere.Create({.parent = other.Handle(), .text = "x", .checked = true});
  int clicks = 0;
  fsx.onClick = [&] { ++clicks; };
  fs9.SetChecked(true);
  EXPECT_TRUE(fs9.Checked());
  EXPECT_FALSE(fsx.Checked());
  EXPECT_EQ(clicks, 0);  // from code: no event
  SendMessageW(fsx.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(fsx.Checked());
  EXPECT_FALSE(fs9.Checked());
  EXPECT_TRUE(elsewhere.Checked());
  SendMessageW(fsx.Handle(), BM_CLICK, 0, 0);  // already chosen: no new choice
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(fsx.Checked());
}

TEST(ColouredText, LabelsOfButtonsAreDrawnInTheirColourOnTheParentBackground) {
  testing_support::Host host;
  ui::RadioButton radio;
  ui::CheckBox box;
  radio.Create({.parent = host.Handle(), .text = "FSX", .colour = RGB(255, 255, 255)});
  box.Create({.parent = host.Handle(), .text = "J'accepte", .colour = RGB(255, 255, 0)});
  HDC dc = GetDC(host.Handle());
  for (auto [control, colour] : {std::pair<ui::Control*, COLORREF>{&radio, RGB(255, 255, 255)}, {&box, RGB(255, 255, 0)}}) {
    LRESULT brush = SendMessageW(host.Handle(), WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(control->Handle()));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(GetTextColor(dc), colour);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
  }
  ReleaseDC(host.Handle(), dc);
}

TEST(CheckBox, UserClicksToggleAndRaiseTheEventCodeDoesNot) {
  testing_support::Host host;
  ui::CheckBox box;
  box.Create({.parent = host.Handle(), .bounds = {88, 220, 97, 17}, .name = "cb1", .tag = 5, .text = "I agree"});
  std::vector<bool> seen;
  box.onClick = [&] { seen.push_back(box.Checked()); };
  SendMessageW(box.Handle(), BM_CLICK, 0, 0);
  SendMessageW(box.Handle(), BM_CLICK, 0, 0);
  EXPECT_EQ(seen, (std::vector<bool>{true, false}));
  box.SetChecked(true);
  EXPECT_TRUE(box.Checked());
  EXPECT_EQ(seen.size(), 2u);
}

}  // namespace
