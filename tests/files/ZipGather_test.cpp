// Which files a mask takes when adding, and the names they are stored under.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/Utf8.h"
#include "files/ZipArchiver.h"
#include "support/ZipFixtures.h"

using namespace testing_support;
using files::EZAException;
using files::TZAAction;
using files::TZAProcessOperation;
using files::TZAProgressPhase;

namespace {

std::wstring CurrentDirectory() {
  std::wstring out(GetCurrentDirectoryW(0, nullptr), L'\0');
  out.resize(GetCurrentDirectoryW(static_cast<DWORD>(out.size()), out.data()));
  return out;
}

}  // namespace

TEST(ZipGather, MaskMatchingNothingStillWritesAnEmptyArchive) {
  TempFolder dir;
  WriteFileBytes(dir / "src\\a.txt", "a");
  EXPECT_TRUE(AddAndList(dir / "t.zip", dir / "src", "nothing.bmp").empty());
  Bytes zip = ReadFileBytes(dir / "t.zip");
  ASSERT_EQ(zip.size(), 22u);
  EXPECT_EQ(zip, Bytes("PK\x05\x06", 4) + Bytes(18, '\0'));
}

TEST(ZipGather, PlainNameTakesSameNamedFilesOfSubfoldersAndFullPathOnlyThatFile) {
  TempFolder dir;
  for (auto name : {"detail1.bmp", "a\\detail1.bmp", "a\\b\\detail1.bmp", "a\\other.bmp", "detail1.bmp.bak"})
    WriteFileBytes(dir / ("src\\" + std::string(name)), name);
  EXPECT_EQ(AddAndList(dir / "plain.zip", dir / "src", "detail1.bmp"),
            (std::vector<std::string>{"detail1.bmp", "a/detail1.bmp", "a/b/detail1.bmp"}));
  EXPECT_EQ(AddAndList(dir / "full.zip", dir / "src", dir / "src\\a\\detail1.bmp"),
            (std::vector<std::string>{"a/detail1.bmp"}));
  EXPECT_EQ(AddAndList(dir / "wild.zip", dir / "src", "*.bmp"),
            (std::vector<std::string>{"detail1.bmp", "a/detail1.bmp", "a/other.bmp", "a/b/detail1.bmp"}));
}

TEST(ZipGather, MatchingSubfolderIsStoredWholeAndArchiveItselfIsLeftOut) {
  TempFolder dir;
  WriteFileBytes(dir / "src\\tex\\x.bmp", "x");
  WriteFileBytes(dir / "src\\tex\\deep\\y.txt", "y");
  WriteFileBytes(dir / "src\\other\\tex.txt", "z");
  EXPECT_EQ(AddAndList(dir / "src\\self.zip", dir / "src", "tex*"),
            (std::vector<std::string>{"other/tex.txt", "tex/", "tex/x.bmp", "tex/deep/", "tex/deep/y.txt"}));
  // A second add over everything must not take the archive into itself.
  auto all = AddAndList(dir / "src\\self.zip", dir / "src", "*");
  EXPECT_EQ(std::count(all.begin(), all.end(), "self.zip"), 0);
  EXPECT_EQ(all.size(), 6u);
  EXPECT_EQ(AddAndList(dir / "src\\self.zip", dir / "src", dir / "src\\self.zip").size(), 6u) << "named by full path";
}

TEST(ZipGather, RelativeNamesFollowTheCallersDirectoryWhichIsGivenBack) {
  TempFolder dir;
  WriteFileBytes(dir / "src\\a.txt", "a");
  WriteFileBytes(dir / "caller\\keep.txt", "k");
  struct Restore {
    std::wstring saved = CurrentDirectory();
    ~Restore() { SetCurrentDirectoryW(saved.c_str()); }  // before the folder is removed
  } restore;
  const std::wstring caller = core::Widen(dir / "caller");
  ASSERT_TRUE(SetCurrentDirectoryW(caller.c_str()));
  EXPECT_EQ(AddAndList("..\\t.zip", "..\\src", "*"), std::vector<std::string>{"a.txt"});
  EXPECT_EQ(CurrentDirectory(), caller);
  EXPECT_TRUE(PathExists(dir / "t.zip"));
  EXPECT_FALSE(PathExists(dir / "caller\\t.zip"));

  QuietZip q(dir / "t.zip", dir / "missing");
  q.zip.OpenZip();
  EXPECT_EQ(ExpectFailure([&] { q.zip.AddMatching("*"); }), 11);
  EXPECT_EQ(CurrentDirectory(), caller);
}

TEST(ZipGather, StorePathAndRecurseOptions) {
  TempFolder dir;
  WriteFileBytes(dir / "src\\x.bmp", "top");
  WriteFileBytes(dir / "src\\sub\\y.bmp", "deep");
  QuietZip flat(dir / "flat.zip", dir / "src");
  flat.zip.Options.Recurse = false;
  flat.zip.OpenZip();
  flat.zip.AddMatching("*.bmp");
  EXPECT_EQ(Names(flat.zip), std::vector<std::string>{"x.bmp"});
  QuietZip names(dir / "names.zip", dir / "src");
  names.zip.Options.StorePath = files::TZAStorePathMode::spNoPath;
  names.zip.OpenZip();
  names.zip.AddMatching("*.bmp");
  EXPECT_EQ(Names(names.zip), (std::vector<std::string>{"x.bmp", "y.bmp"}));
  QuietZip stored(dir / "stored.zip", dir / "src");
  stored.zip.SetCompressionLevel(files::TZACompressionLevel::clNone);
  stored.zip.OpenZip();
  stored.zip.AddMatching("x.bmp");
  ASSERT_EQ(stored.zip.Items().size(), 1u);
  EXPECT_EQ(stored.zip.Items()[0].header.method, 0);
}
