// The payload archive the build puts beside the program: the sixteen textures, exactly, and the
// entry of every choice the wizard can make.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "app/InstallPlan.h"
#include "app/PageFlow.h"
#include "files/ZipArchiver.h"
#include "support/TempFolder.h"

namespace {

// A folder of the build, as Wine sees it.
std::string BuildPath(const std::string& rest) {
  const char* value = std::getenv("PRATILO_BINARY_DIR");
  if (!value) return {};
  std::string path = std::string("Z:") + value + "/" + rest;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

std::vector<std::string> ExpectedNames() {
  std::vector<std::string> names;
  for (int variant = 1; variant <= 5; ++variant)
    for (const char* size : {"1024", "512", "256"}) names.push_back("T" + std::to_string(variant) + "_" + size + ".bmp");
  names.push_back("T6.bmp");
  std::sort(names.begin(), names.end());
  return names;
}

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
  std::string archive = BuildPath("bin/Pratilo.bin");
  ASSERT_TRUE(testing_support::FileExists(archive)) << archive;
  EXPECT_EQ(EntryNames(archive), ExpectedNames());
}

TEST(Payload, EveryChoiceOfTheWizardFindsItsEntry) {
  std::vector<std::string> names = EntryNames(BuildPath("bin/Pratilo.bin"));
  std::set<std::string> entries(names.begin(), names.end());
  for (int variant = 0; variant <= app::kTestGridIndex; ++variant) {
    for (const char* resolution : {"1024", "512", "256"}) {
      std::string entry = app::EntryName(variant, variant == app::kTestGridIndex, resolution);
      EXPECT_TRUE(entries.count(entry)) << entry;
    }
  }
}

TEST(Payload, TexturesComeOutByteForByteAsDrawn) {
  testing_support::TempFolder out("payload");
  files::TZipBaseArchiver zip;
  zip.FileName = BuildPath("bin/Pratilo.bin");
  zip.BaseDir = out.path();
  zip.OpenZip();
  zip.ExtractMatching("*");
  zip.CloseZip();
  for (const auto& name : ExpectedNames()) {
    std::string drawn = testing_support::ReadFileBytes(BuildPath("artwork/payload/" + name));
    ASSERT_FALSE(drawn.empty()) << name;
    EXPECT_TRUE(testing_support::ReadFileBytes(out / name) == drawn) << name;
  }
}
