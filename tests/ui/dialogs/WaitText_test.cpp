#include "ui/dialogs/WaitText.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  const char* text;
  ui::WaitLines expected;
};

TEST(SplitWaitText, TitleBeforeTheFirstTabAndTheRestAsItStands) {
  const Case cases[] = {
      {"Copie\tdetail1.bmp", {"Copie", "detail1.bmp"}},
      {"Copie", {"Copie", ""}},
      {"Copie\t", {"Copie", ""}},
      {"\tdetail1.bmp", {"", "detail1.bmp"}},
      {"", {"", ""}},
      // A second tab belongs to the text line.
      {"Copie\ta\tb", {"Copie", "a\tb"}},
      // The title loses blanks and control characters at its ends and one pair of quotes...
      {"  Copie \r\n\tx", {"Copie", "x"}},
      {"\"Copie\"\tx", {"Copie", "x"}},
      {"\"\"Copie\"\"\tx", {"\"Copie\"", "x"}},
      // ...taken off before the blanks, so quotes inside blanks stay.
      {" \"Copie\" \tx", {"\"Copie\"", "x"}},
      {"\"Copie\t\"", {"\"Copie", "\""}},
      // The text line keeps its blanks.
      {"Copie\t  42 %  ", {"Copie", "  42 %  "}},
      {"Élément\tfichier été.bmp", {"Élément", "fichier été.bmp"}},
  };
  for (const Case& c : cases) EXPECT_EQ(ui::SplitWaitText(c.text), c.expected) << c.text;
}

}  // namespace
