#include "ui/widgets/RichText.h"

#include <gtest/gtest.h>

#include "support/Gui.h"

namespace {

const ui::CharFormat kTitle{.font = "Verdana", .points = 14, .bold = true, .colour = RGB(0, 128, 0)};
const ui::CharFormat kPlain{.font = "Verdana", .points = 9, .colour = RGB(0, 0, 0)};
const ui::CharFormat kLink{.font = "Verdana", .points = 9, .underline = true, .colour = RGB(0, 0, 255)};

struct Box {
  testing_support::Host host;
  ui::RichText text;
  Box() {
    text.Create({.parent = host.Handle(), .bounds = {112, 32, 425, 179}, .name = "re0"});
    text.Append("Pratilo", kTitle);
    text.Append("\r\n\r\nAuteur : J - ", kPlain);
    text.Append("a@b.fr", kLink);
    text.Append(" \xC2\xA9 2009", kPlain);
  }
};

TEST(RichText, PiecesKeepTheirTextAndLineBreaks) {
  Box b;
  EXPECT_EQ(b.text.PlainText(), "Pratilo\r\n\r\nAuteur : J - a@b.fr © 2009");
  b.text.Clear();
  EXPECT_EQ(b.text.PlainText(), "");
  b.text.Append("x", kPlain);
  EXPECT_EQ(b.text.PlainText(), "x");
}

TEST(RichText, EachPieceKeepsItsAttributes) {
  Box b;
  // Positions count a line break as one character.
  EXPECT_EQ(b.text.FormatAt(0), kTitle);
  EXPECT_EQ(b.text.FormatAt(6), kTitle);
  EXPECT_EQ(b.text.FormatAt(7), kPlain);   // first line break
  EXPECT_EQ(b.text.FormatAt(9), kPlain);   // "A" of Auteur
  int at = static_cast<int>(std::string("Pratilo\r\rAuteur : J - ").size());
  EXPECT_EQ(b.text.FormatAt(at), kLink);
  EXPECT_EQ(b.text.FormatAt(at + 5), kLink);
  EXPECT_EQ(b.text.FormatAt(at + 6), kPlain);
}

TEST(RichText, SelectionChangesRaiseTheEventWithTheSelectionInPlace) {
  Box b;
  std::vector<CHARRANGE> seen;
  b.text.onSelectionChange = [&] { seen.push_back(b.text.Selection()); };
  b.text.Select(3, 3);
  b.text.Select(10, 12);
  ASSERT_GE(seen.size(), 2u);
  EXPECT_EQ(seen.back().cpMin, 10);
  EXPECT_EQ(seen.back().cpMax, 12);
  EXPECT_TRUE(GetWindowLongPtrW(b.text.Handle(), GWL_STYLE) & ES_READONLY);
}

TEST(RichText, ReadingAttributesLeavesSelectionAndEventsAlone) {
  Box b;
  b.text.Select(2, 4);
  int events = 0;
  b.text.onSelectionChange = [&] { ++events; };
  EXPECT_EQ(b.text.FormatAt(12), kPlain);
  EXPECT_EQ(events, 0);
  EXPECT_EQ(b.text.Selection().cpMin, 2);
  EXPECT_EQ(b.text.Selection().cpMax, 4);
  b.text.Select(5, 5);
  EXPECT_EQ(events, 1);  // the events are back on
}

}  // namespace
