#include "app/StartUpRules.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  const char* stored;
  bool storedHoldsMarker;
  const char* registered;
  app::FolderChoice expected;
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
    EXPECT_EQ(app::ChooseSimulatorFolder(c.stored, c.storedHoldsMarker, c.registered), c.expected);
  }
}

}  // namespace
