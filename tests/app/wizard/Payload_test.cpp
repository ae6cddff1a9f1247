// The payload archive the build puts beside the program: the sixteen textures, exactly, and the
// entry of every choice the wizard can make.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "setup/InstallChoice.h"
#include "app/wizard/PageFlow.h"
#include "files/ZipArchiver.h"
#include "support/Build.h"
#include "support/TempFolder.h"

namespace {

using testing_support::BuildPath;

// The sixteen textures the payload holds, sorted.
const std::vector<std::string> kExpectedNames = {
    "T1_1024.bmp", "T1_256.bmp", "T1_512.bmp", "T2_1024.bmp", "T2_256.bmp", "T2_512.bmp",
    "T3_1024.bmp", "T3_256.bmp", "T3_512.bmp", "T4_1024.bmp", "T4_256.bmp", "T4_512.bmp",
    "T5_1024.bmp", "T5_256.bmp", "T5_512.bmp", "T6.bmp"};

std::vector<std::string> EntryNames(const std::string& archive) {
  files::TZipBaseArchiver zip;
  zip.FileName = archive;
  zip.OpenZip();
  std::vector<std::string> names;
  for (const auto& item : zip.Items()) names.push_back(item.name);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

TEST(Payload, HoldsExactlyTheSixteenTexturesAtItsRoot) {
  std::string archive = BuildPath("bin\\Pratilo.bin");
  ASSERT_TRUE(testing_support::FileExists(archive)) << archive;
  EXPECT_EQ(EntryNames(archive), kExpectedNames);
}

TEST(Payload, EveryChoiceOfTheWizardFindsItsEntry) {
  std::vector<std::string> names = EntryNames(BuildPath("bin\\Pratilo.bin"));
  std::set<std::string> entries(names.begin(), names.end());
  for (int variant = 0; variant <= setup::kTestGridIndex; ++variant) {
    for (const char* resolution : {"1024", "512", "256"}) {
      std::string entry = setup::EntryName(variant, variant == setup::kTestGridIndex, resolution);
      EXPECT_TRUE(entries.count(entry)) << entry;
    }
  }
}

TEST(Payload, TexturesComeOutByteForByteAsDrawn) {
  testing_support::TempFolder out("payload");
  files::TZipBaseArchiver zip;
  zip.FileName = BuildPath("bin\\Pratilo.bin");
  zip.BaseDir = out.path();
  zip.OpenZip();
  zip.ExtractMatching("*");
  zip.CloseZip();
  for (const auto& name : kExpectedNames) {
    std::string drawn = testing_support::ReadFileBytes(BuildPath("artwork\\payload\\" + name));
    ASSERT_FALSE(drawn.empty()) << name;
    EXPECT_TRUE(testing_support::ReadFileBytes(out / name) == drawn) << name;
  }
}
