#include "setup/StoredChoice.h"

#include <gtest/gtest.h>

namespace {

TEST(ReadStoredChoice, TwoCharactersOrNothing) {
  struct Case {
    const char* text;
    setup::StoredChoice expected;
  };
  const Case cases[] = {
      {"21", {2, 1}}, {"00", {0, 0}}, {"52", {5, 2}}, {"99", {9, 9}},  // beyond the lists: clamped by the groups
      {"3", {0, 0}},  {"", {0, 0}},   {"123", {0, 0}},
      {"x1", {0, 1}}, {"2-", {2, 0}}, {" 3", {0, 3}},
      {"é1", {0, 1}},   // one accented character and a digit are two characters
      {"1é2", {0, 0}},  // three characters
  };
  for (const Case& c : cases) EXPECT_EQ(setup::ReadStoredChoice(c.text), c.expected) << c.text;
}

}  // namespace
