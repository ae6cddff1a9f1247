#include <gtest/gtest.h>

#include <windows.h>

#include "core/NumberFormat.h"
#include "core/Utf8.h"

using core::FormatNumberWith;
using core::NumberFormatArgs;
using core::NumberSeparators;

namespace {
const NumberSeparators kEnglish{",", "."};
const NumberSeparators kFrench{"\xE2\x80\xAF", ","};  // narrow no-break space, comma
const NumberSeparators kSwiss{"'", "."};
const NumberSeparators kNone{"", "."};

struct Case {
  double value;
  NumberFormatArgs args;
  const char* expected;
};
}  // namespace

TEST(FormatNumber, CallersDefaultsRoundToWholeNumbersWithGrouping) {
  const Case cases[] = {
      {0, {}, "0"},           {1234, {}, "1,234"},          {45.6, {}, "46"},
      {99.6, {}, "100"},      {0.5, {}, "1"},               {2.5, {}, "3"},
      {-0.4, {}, "0"},        {-1234567.5, {}, "-1,234,568"}, {999.5, {}, "1,000"},
      {1e15, {}, "1,000,000,000,000,000"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatNumberWith(kEnglish, c.value, c.args), c.expected) << c.value;
}

TEST(FormatNumber, SeparatorsComeFromTheLocale) {
  EXPECT_EQ(FormatNumberWith(kFrench, 1234567.25, {.spec = 0.2}), "1\xE2\x80\xAF" "234\xE2\x80\xAF" "567,25");
  EXPECT_EQ(FormatNumberWith(kSwiss, 1000.1, {.spec = 0.1}), "1'000.1");
  EXPECT_EQ(FormatNumberWith(kNone, 1000.1, {.spec = 0.1}), "1000.1");
  // Width counts characters, not bytes, when a separator is not ASCII.
  EXPECT_EQ(FormatNumberWith(kFrench, 1234, {.spec = 7}), "  1\xE2\x80\xAF" "234");
}

TEST(FormatNumber, WidthDecimalsFillAndFixedFormat) {
  const Case cases[] = {
      {3.14159, {.spec = 7.2}, "   3.14"},
      {3.14159, {.fill = '*', .spec = 7.2}, "***3.14"},
      {1234.5, {.spec = 0.2, .grouping = false}, "1234.50"},
      {1.005, {.spec = 0.2}, "1.01"},  // rounds the decimal form a user sees
      {0.125, {.spec = 0.2}, "0.13"},
      {-2.5, {.spec = 0.0}, "-3"},
      {12345678, {.spec = 3}, "12,345,678"},  // a narrow width never cuts digits
      {7, {.spec = 0.9}, "7.000000000"},
      // Widths with decimals such as 1.2 or 2.3 are not exact in binary: the decimals must still count.
      {3.14159, {.spec = 1.2}, "3.14"},
      {1.23456, {.spec = 1.2}, "1.23"},
      {3.14159, {.spec = 2.3}, "3.142"},
      {1.23456, {.spec = 2.3}, "1.235"},
      {3.14159, {.spec = 0.1}, "3.1"},
      {1.23456, {.spec = 0.3}, "1.235"},
      {-1.23456, {.spec = 7.3}, " -1.235"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatNumberWith(kEnglish, c.value, c.args), c.expected) << c.value;
}

TEST(FormatNumber, BlankedZeroKeepsTheDecimalPointAligned) {
  EXPECT_EQ(FormatNumberWith(kEnglish, 0, {.showZero = false, .spec = 7.2}), "    .  ");
  EXPECT_EQ(FormatNumberWith(kEnglish, 0, {.showZero = false, .spec = 5}), "     ");
  EXPECT_EQ(FormatNumberWith(kEnglish, 0, {.showZero = false}), "");
  EXPECT_EQ(FormatNumberWith(kEnglish, 0, {.showZero = false, .spec = 1.2}), ".");
  EXPECT_EQ(FormatNumberWith(kEnglish, 1, {.showZero = false, .spec = 7.2}), "   1.00");
}

TEST(FormatNumber, ExplicitSign) {
  EXPECT_EQ(FormatNumberWith(kEnglish, 5, {.explicitSign = true}), "+ 5");
  EXPECT_EQ(FormatNumberWith(kEnglish, -5, {.explicitSign = true}), "- 5");
  EXPECT_EQ(FormatNumberWith(kEnglish, -1234, {.explicitSign = true}), "- 1,234");
  EXPECT_EQ(FormatNumberWith(kEnglish, 0, {.explicitSign = true}), "+ 0");
  // A padded negative number keeps its minus sign instead of gaining a plus.
  EXPECT_EQ(FormatNumberWith(kEnglish, -5, {.spec = 4, .explicitSign = true}), "-   5");
  EXPECT_EQ(FormatNumberWith(kEnglish, 0, {.showZero = false, .explicitSign = true}), "");
}

TEST(FormatNumber, UsesTheUserLocaleOfWindows) {
  wchar_t thousands[8] = {}, decimal[8] = {};
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, thousands, 8);
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 8);
  const auto seps = core::UserNumberSeparators();
  EXPECT_EQ(core::Widen(seps.thousands), thousands);
  EXPECT_EQ(core::Widen(seps.decimal), decimal);
  EXPECT_EQ(core::FormatNumber(1234.0), "1" + seps.thousands + "234");
  EXPECT_EQ(core::FormatNumber(core::Value::Integer(0)), "0");
  EXPECT_EQ(core::FormatNumber(core::Value::Real(1000.1), ' ', true, 0.1, true, false),
            "1" + seps.thousands + "000" + seps.decimal + "1");
}
