#include <gtest/gtest.h>

#include "core/TextTools.h"

using namespace core;

TEST(PadText, LeftAlignsForPositiveWidthAndRightAlignsForNegative) {
  struct Case {
    const char* s;
    int width;
    const char* expected;
  } cases[] = {
      {"abc", 5, "abc.."},  {"abcdef", 3, "abc"}, {"abc", -5, "..abc"}, {"abcdef", -3, "def"},
      {"abc", 0, ""},       {"", 2, ".."},        {"", -2, ".."},       {"abc", 3, "abc"},
      {"été", 2, "ét"},     {"été", -4, ".été"},  // characters, not bytes
  };
  for (const auto& c : cases) EXPECT_EQ(PadText(c.s, c.width, '.'), c.expected) << c.s << " " << c.width;
}

TEST(CutField, TakesFieldsOffTheFront) {
  std::string s = "10\t20\t\"quoted\"\t";
  EXPECT_EQ(CutField(s, "\t"), "10");
  EXPECT_EQ(s, "20\t\"quoted\"\t");
  EXPECT_EQ(CutField(s, "\t"), "20");
  EXPECT_EQ(CutField(s, "\t"), "quoted");
  EXPECT_EQ(s, "");
  std::string whole = "no separator";
  EXPECT_EQ(CutField(whole, "\t"), "no separator");
  EXPECT_EQ(whole, "");
  std::string multi = "a::b";
  EXPECT_EQ(CutField(multi, "::"), "a");
  EXPECT_EQ(multi, "b");
  std::string empty;
  EXPECT_EQ(CutField(empty, ":"), "");
  std::string noSep = "a:b";  // an empty separator cannot split: the whole text is the field
  EXPECT_EQ(CutField(noSep, ""), "a:b");
  EXPECT_EQ(noSep, "");
}

TEST(Unquote, RemovesOnlyEnclosingQuotes) {
  EXPECT_EQ(Unquote("\"x\""), "x");
  EXPECT_EQ(Unquote("\"\""), "");
  EXPECT_EQ(Unquote("\""), "\"");
  EXPECT_EQ(Unquote("\"x"), "\"x");
  EXPECT_EQ(Unquote("x\"y\""), "x\"y\"");
  EXPECT_EQ(Unquote("\"a\"b\""), "a\"b");
}

TEST(EndsWithText, ExactOrIgnoringCase) {
  EXPECT_TRUE(EndsWithText("Pratilo.EXE", ".exe", false));
  EXPECT_FALSE(EndsWithText("Pratilo.EXE", ".exe", true));
  EXPECT_TRUE(EndsWithText("Pratilo.exe", ".exe", true));
  EXPECT_FALSE(EndsWithText("exe", ".exe", false));
  EXPECT_TRUE(EndsWithText("abc", "", true));
  EXPECT_TRUE(EndsWithText("DOSSIER É", "é", false));
  EXPECT_FALSE(EndsWithText("C:\\Jeux", "\\", true));
}

TEST(OnlyChars, EveryCharacterMustBeInTheSet) {
  EXPECT_TRUE(OnlyChars("0123456789:", "12:30"));
  EXPECT_FALSE(OnlyChars("0123456789:", "12.30"));
  EXPECT_TRUE(OnlyChars("abc", ""));
  EXPECT_TRUE(OnlyChars("éè", "èé"));
  EXPECT_FALSE(OnlyChars("", "a"));
}
