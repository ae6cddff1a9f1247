#include "app/wizard/Artwork.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <vector>

#include "ArtworkFiles.h"
#include "core/Utf8.h"
#include "support/Build.h"
#include "support/TempFolder.h"
#include "support/Gui.h"

namespace {

// Every picture the window loads, with the size it needs.
std::vector<artwork_files::File> EmbeddedArt() {
  std::vector<artwork_files::File> art;
  for (const auto& file : artwork_files::kFiles)
    if (file.embedded) art.push_back(file);
  return art;
}

using testing_support::BuildPath;

TEST(ResourceNameFor, UpperCaseWithUnderscores) {
  EXPECT_EQ(app::ResourceNameFor("banner.jpg"), "BANNER_JPG");
  EXPECT_EQ(app::ResourceNameFor("glyph_next.bmp"), "GLYPH_NEXT_BMP");
  EXPECT_EQ(app::ResourceNameFor("Resolutions5.JPG"), "RESOLUTIONS5_JPG");
  EXPECT_EQ(app::ResourceNameFor("payload/T1_1024.bmp"), "PAYLOAD_T1_1024_BMP");
}

TEST(Artwork, EveryPictureOfTheWindowIsDeclaredAsAResource) {
  std::ifstream in(BuildPath("src\\Artwork.rc").c_str());
  ASSERT_TRUE(in) << "Artwork.rc not found";
  std::set<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.insert(line);
  for (const auto& a : EmbeddedArt()) {
    const std::string prefix = app::ResourceNameFor(a.name) + " RCDATA \"";
    const std::string suffix = "/" + std::string(a.name) + "\"";
    auto line = lines.lower_bound(prefix);
    ASSERT_TRUE(line != lines.end() && line->starts_with(prefix)) << prefix;
    EXPECT_TRUE(line->ends_with(suffix)) << *line;
  }
}

TEST(Artwork, FolderSourceReadsFilesAndMissingOnesGiveNothing) {
  testing_support::TempFolder temp;
  testing_support::WriteFileBytes(temp / "a.bin", std::string("\0\1\2", 3));
  app::ArtworkSource source = app::ArtworkFromFolder(temp.path().substr(0, temp.path().size() - 1));
  ASSERT_TRUE(source("a.bin"));
  EXPECT_EQ(*source("a.bin"), std::string("\0\1\2", 3));
  EXPECT_FALSE(source("b.bin"));
  EXPECT_TRUE(app::LoadPicture(source, "b.jpg").Empty());
  EXPECT_TRUE(app::LoadPicture(source, "a.bin").Empty());  // not a picture
  EXPECT_TRUE(app::LoadPicture(nullptr, "banner.jpg").Empty());
}

// The generator's pictures (built before the tests) have the sizes the window is laid out for.
TEST(Artwork, GeneratedPicturesHaveTheSizesOfTheWindow) {
  app::ArtworkSource source = app::ArtworkFromFolder(BuildPath("artwork"));
  for (const auto& a : EmbeddedArt()) {
    ui::Image image = app::LoadPicture(source, a.name);
    EXPECT_EQ(image.width, a.width) << a.name;
    EXPECT_EQ(image.height, a.height) << a.name;
  }
  // Glyphs are drawn on a transparent ground.
  ui::Image next = app::LoadPicture(source, "glyph_next.bmp");
  ASSERT_FALSE(next.Empty());
  EXPECT_EQ(next.Pixel(0, 0) >> 24, 0u);
}

TEST(Artwork, TheProgramCarriesEveryPictureAsAResource) {
  std::wstring exe = core::Widen(BuildPath("bin\\Pratilo.exe"));
  HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr);
  app::ArtworkSource source = app::ArtworkFromResources(module);
  for (const auto& a : EmbeddedArt()) {
    ui::Image image = app::LoadPicture(source, a.name);
    EXPECT_EQ(image.width, a.width) << a.name;
    EXPECT_EQ(image.height, a.height) << a.name;
  }
  EXPECT_FALSE(source("nothing.jpg"));
  FreeLibrary(module);
}

}  // namespace
