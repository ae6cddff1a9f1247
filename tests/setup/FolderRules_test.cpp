#include "setup/FolderRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

struct Case {
  const char* stored;
  bool storedHoldsMarker;
  const char* registered;
  setup::FolderChoice expected;
};

TEST(ChooseSimulatorFolder, KeepsAValidStoredFolderElseTakesTheRegisteredOne) {
  const Case cases[] = {
      // A stored folder that still holds the marker is taken as stored, even without a backslash.
      {"C:\\FSX\\", true, "D:\\Other", {"C:\\FSX\\", false}},
      {"C:\\FSX", true, "", {"C:\\FSX", false}},
      // Stale or missing: the registered folder, trimmed, completed, and remembered.
      {"C:\\Old\\", false, "  D:\\Games\\FSX  ", {"D:\\Games\\FSX\\", true}},
      {"", false, "D:\\Games\\FS9\\", {"D:\\Games\\FS9\\", true}},
      {"", true, "D:\\Games\\FS9", {"D:\\Games\\FS9\\", true}},  // an empty stored text never counts
      // Nothing registered: no folder, and the stored value stays as it was.
      {"C:\\Old\\", false, "", {"", false}},
      {"C:\\Old\\", false, " \t ", {"", false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.stored) + " | " + c.registered);
    EXPECT_EQ(setup::ChooseSimulatorFolder(c.stored, c.storedHoldsMarker, c.registered), c.expected);
  }
}

}  // namespace

namespace {

struct FirstCase {
  const char* label;
  std::vector<std::string> candidates;
  std::vector<std::string> mainFolders;  // completed folders that hold the marker
  std::string expected;
};

TEST(FirstMainFolder, TakesTheFirstCandidateThatHoldsTheMarkerTrimmedAndCompleted) {
  const FirstCase cases[] = {
      {"trailing backslash kept", {"D:\\Steam\\FSX\\", "", ""}, {"D:\\Steam\\FSX\\"}, "D:\\Steam\\FSX\\"},
      {"missing backslash added", {"D:\\Steam\\FSX", "", ""}, {"D:\\Steam\\FSX\\"}, "D:\\Steam\\FSX\\"},
      {"blanks trimmed", {"  D:\\Steam\\FSX \t", "", ""}, {"D:\\Steam\\FSX\\"}, "D:\\Steam\\FSX\\"},
      {"order decides", {"D:\\A", "D:\\B", "D:\\C"}, {"D:\\B\\", "D:\\C\\", "D:\\A\\"}, "D:\\A\\"},
      {"no marker: the next one", {"D:\\Empty\\", "E:\\FSX"}, {"E:\\FSX\\"}, "E:\\FSX\\"},
      {"blank first: the next one", {"   ", "", "E:\\FSX\\"}, {"E:\\FSX\\"}, "E:\\FSX\\"},
      {"none holds the marker", {"D:\\A", "D:\\B", "D:\\C"}, {}, ""},
      {"all empty", {"", "", ""}, {}, ""},
      {"no candidates", {}, {"D:\\A\\"}, ""},
  };
  for (const FirstCase& c : cases) {
    SCOPED_TRACE(c.label);
    std::vector<std::string> tested;
    auto holds = [&](const std::string& folder) {
      tested.push_back(folder);
      return std::find(c.mainFolders.begin(), c.mainFolders.end(), folder) != c.mainFolders.end();
    };
    EXPECT_EQ(setup::FirstMainFolder(c.candidates, holds), c.expected);
    // Every folder tested is a completed one; a blank text is never turned into a folder to test.
    for (const std::string& folder : tested) {
      EXPECT_FALSE(folder.empty());
      EXPECT_EQ(folder.back(), '\\');
      EXPECT_NE(folder.front(), ' ');
    }
  }
}

TEST(FirstMainFolder, BlankCandidatesAreNeverTested) {
  std::vector<std::string> tested;
  auto anything = [&](const std::string& folder) {
    tested.push_back(folder);
    return true;  // a test that would accept anything, as a folder relative to the current one might
  };
  EXPECT_EQ(setup::FirstMainFolder({"", " \t ", "F:\\FSX"}, anything), "F:\\FSX\\");
  EXPECT_EQ(tested, std::vector<std::string>{"F:\\FSX\\"});
}

}  // namespace
