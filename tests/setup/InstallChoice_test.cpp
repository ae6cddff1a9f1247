// The payload entry a choice names, read back, and the choice remembered after an installation.
#include "setup/InstallChoice.h"

#include <gtest/gtest.h>

#include "setup/StoredChoice.h"

namespace {

// The table of the installation's design; that every choice names one of the payload's sixteen
// entries is checked against the real payload (Payload_test).
TEST(InstallPlan, EntryNameForEveryKindOfChoice) {
  struct Case {
    int variant;
    bool testGrid;
    const char* resolution;
    const char* entry;
  };
  const Case cases[] = {
      {0, false, "1024", "T1_1024.bmp"},
      {1, false, "512", "T2_512.bmp"},
      {2, false, "256", "T3_256.bmp"},
      {4, false, "1024", "T5_1024.bmp"},
      {5, true, "1024", "T6.bmp"},  // the test grid: whatever resolution is selected
      {5, true, "512", "T6.bmp"},
      {5, true, "256", "T6.bmp"},
      {5, true, "", "T6.bmp"},
  };
  for (const auto& c : cases) EXPECT_EQ(setup::EntryName(c.variant, c.testGrid, c.resolution), c.entry) << c.entry;
}

TEST(InstallPlan, EveryEntryNameReadsBackAsItsChoice) {
  for (int variant = 0; variant <= setup::kTestGridIndex; ++variant)
    for (const char* resolution : setup::kResolutionItems) {
      const bool grid = variant == setup::kTestGridIndex;
      const std::string name = setup::EntryName(variant, grid, resolution);
      EXPECT_EQ(setup::ReadEntryName(name), (setup::EntryChoice{variant, grid ? "" : resolution})) << name;
    }
  for (const char* name : {"T7.bmp", "T1.bmp", "T6_512.bmp", "T1_2048.bmp", "T1_512.jpg", "T1_512", "detail1.bmp", ""})
    EXPECT_EQ(setup::ReadEntryName(name), std::nullopt) << name;
}

TEST(InstallPlan, RememberedChoiceReadsBackAsItWasMade) {
  struct Case {
    int variant, resolution;
    const char* text;
  };
  const Case cases[] = {{4, 2, "42"}, {2, 2, "22"}, {5, 0, "50"}, {0, 0, "00"}, {1, 1, "11"}};
  for (const auto& c : cases) {
    EXPECT_EQ(setup::ChoiceText(c.variant, c.resolution), c.text);
    EXPECT_EQ(setup::ReadStoredChoice(setup::ChoiceText(c.variant, c.resolution)),
              (setup::StoredChoice{c.variant, c.resolution}));
  }
  EXPECT_STREQ(setup::ChoiceSetting(setup::Simulator::FS9), "cfgFS9");
  EXPECT_STREQ(setup::ChoiceSetting(setup::Simulator::FSX), "cfgFSX");
}

}  // namespace
