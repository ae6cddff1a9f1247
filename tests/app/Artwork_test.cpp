#include "app/Artwork.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "core/Utf8.h"
#include "support/TempFolder.h"
#include "ui/support/Gui.h"

namespace {

// Every picture the window loads, with the size it needs.
struct Art {
  const char* file;
  int width, height;
};
const Art kArt[] = {
    {"banner.jpg", 105, 233},         {"variants.jpg", 1800, 200},     {"resolutions1.jpg", 900, 200},
    {"resolutions2.jpg", 900, 200},   {"resolutions3.jpg", 900, 200},  {"resolutions4.jpg", 900, 200},
    {"resolutions5.jpg", 900, 200},   {"glyph_next.bmp", 16, 16},      {"glyph_previous.bmp", 16, 16},
    {"glyph_quit.bmp", 16, 16},       {"glyph_uninstall.bmp", 16, 16}, {"flag_fr.bmp", 16, 16},
    {"flag_en.bmp", 16, 16},          {"hourglass.bmp", 32, 32},
};

// A Linux path from the test environment, as Wine sees it.
std::string WinePath(const char* variable, const std::string& rest) {
  const char* value = std::getenv(variable);
  if (!value) return {};
  std::string path = std::string("Z:") + value + "/" + rest;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

TEST(ResourceNameFor, UpperCaseWithUnderscores) {
  EXPECT_EQ(app::ResourceNameFor("banner.jpg"), "BANNER_JPG");
  EXPECT_EQ(app::ResourceNameFor("glyph_next.bmp"), "GLYPH_NEXT_BMP");
  EXPECT_EQ(app::ResourceNameFor("Resolutions5.JPG"), "RESOLUTIONS5_JPG");
  EXPECT_EQ(app::ResourceNameFor("payload/T1_1024.bmp"), "PAYLOAD_T1_1024_BMP");
}

TEST(Artwork, EveryPictureOfTheWindowIsDeclaredAsAResource) {
  std::ifstream in(WinePath("PRATILO_SOURCE_DIR", "src/app/resources/Artwork.rc.in").c_str());
  ASSERT_TRUE(in) << "Artwork.rc.in not found";
  std::stringstream text;
  text << in.rdbuf();
  for (const Art& a : kArt) {
    std::string line = app::ResourceNameFor(a.file) + " RCDATA \"@PRATILO_ARTWORK_DIR@/" + a.file + "\"";
    EXPECT_NE(text.str().find(line), std::string::npos) << line;
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
  app::ArtworkSource source = app::ArtworkFromFolder(WinePath("PRATILO_BINARY_DIR", "artwork"));
  for (const Art& a : kArt) {
    ui::Image image = app::LoadPicture(source, a.file);
    EXPECT_EQ(image.width, a.width) << a.file;
    EXPECT_EQ(image.height, a.height) << a.file;
  }
  // Glyphs are drawn on a transparent ground.
  ui::Image next = app::LoadPicture(source, "glyph_next.bmp");
  ASSERT_FALSE(next.Empty());
  EXPECT_EQ(next.Pixel(0, 0) >> 24, 0u);
}

TEST(Artwork, TheProgramCarriesEveryPictureAsAResource) {
  std::wstring exe = core::Widen(WinePath("PRATILO_BINARY_DIR", "bin/Pratilo.exe"));
  HMODULE module = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr);
  app::ArtworkSource source = app::ArtworkFromResources(module);
  for (const Art& a : kArt) {
    ui::Image image = app::LoadPicture(source, a.file);
    EXPECT_EQ(image.width, a.width) << a.file;
    EXPECT_EQ(image.height, a.height) << a.file;
  }
  EXPECT_FALSE(source("nothing.jpg"));
  FreeLibrary(module);
}

}  // namespace
