#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "core/DateSerial.h"
#include "core/ValueParse.h"

using core::ParseValue;
using core::TextToValue;
using core::Value;
using core::ValueKind;

namespace {

double Date(int y, int m, int d) { return *core::DateSerial(y, m, d); }

struct Case {
  const char* text;
  ValueKind kind;
  double number;  // integer, real or date-time value
};

void ExpectParses(const Case& c) {
  SCOPED_TRACE(std::string("text: \"") + c.text + "\"");
  const auto r = ParseValue(c.text);
  EXPECT_EQ(r.value.kind, c.kind);
  EXPECT_EQ(r.valid, c.kind != ValueKind::Null);
  if (c.kind == ValueKind::Integer) {
    EXPECT_EQ(r.value.integer, static_cast<int32_t>(c.number));
  }
  if (c.kind == ValueKind::Real || c.kind == ValueKind::DateTime) {
    EXPECT_NEAR(r.value.real, c.number, 1e-9);
  }
}

}  // namespace

TEST(ParseValue, EmptyAndSignOnlyTextsAreEmptyAndValid) {
  for (const char* t : {"", "   ", "\t\r\n", "+", "-", "%", " - ", "+ %", "\x01"}) {
    ExpectParses({t, ValueKind::Empty, 0});
    EXPECT_EQ(TextToValue(t), Value::Integer(0)) << t;
  }
}

TEST(ParseValue, Numbers) {
  const Case cases[] = {
      {"12", ValueKind::Integer, 12},        {"-12", ValueKind::Integer, -12},
      {" +12 ", ValueKind::Integer, 12},     {"12.", ValueKind::Integer, 12},
      {".5", ValueKind::Real, 0.5},          {"5,25", ValueKind::Real, 5.25},
      {"-.5", ValueKind::Real, -0.5},        {"0", ValueKind::Integer, 0},
      {"007", ValueKind::Integer, 7},        {"- 3", ValueKind::Integer, -3},
      {"2147483647", ValueKind::Integer, 2147483647.0},
      // Beyond 32 bits the integer becomes a real rather than wrapping around.
      {"2147483648", ValueKind::Real, 2147483648.0},
      {"-2147483648", ValueKind::Real, -2147483648.0},
      {"99999999999999999999", ValueKind::Real, 1e20},
  };
  for (const auto& c : cases) ExpectParses(c);
}

TEST(ParseValue, Percentages) {
  ExpectParses({"12%", ValueKind::Real, 0.12});
  ExpectParses({"-50%", ValueKind::Real, -0.5});
  ExpectParses({"12.5 %", ValueKind::Real, 0.125});
  ExpectParses({"%12", ValueKind::Null, 0});
}

TEST(ParseValue, ThousandsGroups) {
  const Case cases[] = {
      {"1 234", ValueKind::Integer, 1234},      {"1'234", ValueKind::Integer, 1234},
      {"1'234.5", ValueKind::Real, 1234.5},     {"1 234 567", ValueKind::Integer, 1234567},
      {"12345'678", ValueKind::Integer, 12345678},  // the first group is free
      {"12'34", ValueKind::Null, 0},            {"1'2345", ValueKind::Null, 0},
      {"1'23.4", ValueKind::Null, 0},           {"1'2.3'456", ValueKind::Null, 0},
      {"1,234", ValueKind::Real, 1.234},        {"1'", ValueKind::Null, 0},
      {"'123", ValueKind::Integer, 123},
  };
  for (const auto& c : cases) ExpectParses(c);
}

TEST(ParseValue, UnreadableTextIsNullAndReadsAsZero) {
  for (const char* t : {"abc", "1x", "1e5", "0x10", "1-2", "++1", "1.2.3.4.5", "12:ab", "1 2"}) {
    ExpectParses({t, ValueKind::Null, 0});
    EXPECT_EQ(TextToValue(t), Value::Integer(0)) << t;
  }
}

TEST(ParseValue, Times) {
  const Case cases[] = {
      {"1:30", ValueKind::Real, 1.5},       {"1:30:36", ValueKind::Real, 1.51},
      {"-1:30", ValueKind::Real, -1.5},     {":30", ValueKind::Real, 0.5},
      {"100:00", ValueKind::Real, 100.0},   {"1:30:00:99", ValueKind::Real, 1.5},
      {"1:3", ValueKind::Null, 0},          {"1:60", ValueKind::Null, 0},
      {"1:30:60", ValueKind::Null, 0},      {"1:30%", ValueKind::Null, 0},
      {"1:30:5", ValueKind::Null, 0},       {"1.5:30", ValueKind::Null, 0},
  };
  for (const auto& c : cases) ExpectParses(c);
}

TEST(ParseValue, Dates) {
  const Case cases[] = {
      {"24.12.2007", ValueKind::DateTime, Date(2007, 12, 24)},
      {"24/12/07", ValueKind::DateTime, Date(2007, 12, 24)},
      {"24,12,2007", ValueKind::DateTime, Date(2007, 12, 24)},
      {"1.1.49", ValueKind::DateTime, Date(2049, 1, 1)},
      {"1.1.50", ValueKind::DateTime, Date(1950, 1, 1)},
      {"29.2.2000", ValueKind::DateTime, Date(2000, 2, 29)},
      {"31.12.2200", ValueKind::DateTime, Date(2200, 12, 31)},
      {"1.1.1899", ValueKind::Null, 0},    {"1.1.2201", ValueKind::Null, 0},
      {"31.02.2000", ValueKind::Null, 0},  {"29.2.1900", ValueKind::Null, 0},
      {"-1.1.2000", ValueKind::Null, 0},   {"1.1.200", ValueKind::Null, 0},
      {"0.1.2000", ValueKind::Null, 0},    {"1.13.2000", ValueKind::Null, 0},
      {"1.1.", ValueKind::Null, 0},        {"1.1.2000%", ValueKind::Null, 0},
  };
  for (const auto& c : cases) ExpectParses(c);
  EXPECT_DOUBLE_EQ(Date(1899, 12, 30), 0.0);
  EXPECT_DOUBLE_EQ(Date(1900, 1, 1), 2.0);
}

TEST(ParseValue, DatesWithTime) {
  const Case cases[] = {
      {"24.12.2007 12:00", ValueKind::DateTime, Date(2007, 12, 24) + 0.5},
      {"24.12.2007. 18:00", ValueKind::DateTime, Date(2007, 12, 24) + 0.75},
      {"24.12.2007   6:00:00", ValueKind::DateTime, Date(2007, 12, 24) + 0.25},
      {"24.12.2007 24:00", ValueKind::Null, 0},
      {"24.12.2007 12:0", ValueKind::Null, 0},
      {"24.12.2007:12:00", ValueKind::Null, 0},  // no blank between date and time
  };
  for (const auto& c : cases) ExpectParses(c);
}

// The parser takes text from the registry and from users: no input may crash or hang it.
TEST(ParseValue, SurvivesRandomTextBuiltFromTheCharactersItReactsTo) {
  const std::string alphabet = "0123456789.,/:%+-' \t\x01" "ax";
  std::mt19937 rng(20261208);
  std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1), length(0, 24);
  for (int i = 0; i < 5000; ++i) {
    std::string text;
    for (size_t n = length(rng); n > 0; --n) text += alphabet[pick(rng)];
    const auto r = ParseValue(text);
    EXPECT_EQ(r.valid, r.value.kind != ValueKind::Null) << text;
    if (r.value.kind == ValueKind::Real) {
      EXPECT_TRUE(std::isfinite(r.value.real)) << text;
    }
    const Value v = TextToValue(text);
    EXPECT_NE(v.kind, ValueKind::Null) << text;
    EXPECT_NE(v.kind, ValueKind::Empty) << text;
  }
  EXPECT_EQ(ParseValue(std::string(5000, '9')).value.kind, ValueKind::Null);  // too large for a double
  EXPECT_EQ(ParseValue(std::string(300, '9')).value.kind, ValueKind::Real);
}
