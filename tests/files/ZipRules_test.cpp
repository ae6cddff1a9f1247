#include "files/ZipRules.h"

#include <gtest/gtest.h>

using namespace files;
using namespace files::zip;

TEST(ZipRules, LevelAndModeMapsAreTiedBothWays) {
  EXPECT_EQ(LevelToMode(TZACompressionLevel::clNone), 0);
  EXPECT_EQ(LevelToMode(TZACompressionLevel::clFastest), 1);
  EXPECT_EQ(LevelToMode(TZACompressionLevel::clNormal), 6);
  EXPECT_EQ(LevelToMode(TZACompressionLevel::clMax), 9);
  const TZACompressionLevel expected[] = {
      TZACompressionLevel::clNone,   TZACompressionLevel::clFastest, TZACompressionLevel::clFastest,
      TZACompressionLevel::clFastest, TZACompressionLevel::clNormal, TZACompressionLevel::clNormal,
      TZACompressionLevel::clNormal, TZACompressionLevel::clMax,     TZACompressionLevel::clMax,
      TZACompressionLevel::clMax};
  for (int mode = 0; mode <= 9; ++mode) EXPECT_EQ(ModeToLevel(mode), expected[mode]) << mode;
  EXPECT_FALSE(ModeToLevel(10));
  EXPECT_FALSE(ModeToLevel(-1));
}

TEST(ZipRules, OverallProgressCountsEntriesAndBytes) {
  EXPECT_DOUBLE_EQ(OverallProgress(0, 100, 0, 1), 0.0);
  EXPECT_DOUBLE_EQ(OverallProgress(50, 100, 0, 1), 50.0);
  EXPECT_DOUBLE_EQ(OverallProgress(100, 100, 0, 2), 50.0);
  EXPECT_DOUBLE_EQ(OverallProgress(25, 100, 1, 2), 62.5);
  EXPECT_DOUBLE_EQ(OverallProgress(0, 0, 1, 4), 50.0);     // an empty entry counts as done
  EXPECT_DOUBLE_EQ(OverallProgress(200, 100, 0, 1), 100.0);  // a file that grew stays at 100
  EXPECT_DOUBLE_EQ(OverallProgress(0, 0, 0, 0), 100.0);
}

TEST(ZipRules, MaskMatching) {
  struct Case {
    const wchar_t* name;
    const wchar_t* mask;
    bool match;
  };
  const Case cases[] = {
      {L"detail1.bmp", L"detail1.bmp", true}, {L"DETAIL1.BMP", L"detail1.bmp", true},
      {L"detail1.bmp", L"*.bmp", true},       {L"detail1.bmpx", L"*.bmp", false},
      {L"detail1.bmp", L"detail?.bmp", true}, {L"detail12.bmp", L"detail?.bmp", false},
      {L"noext", L"*.*", true},               {L"noext", L"*.", false},
      {L"T2_512.bmp", L"T*_*.bmp", true},     {L"", L"*", true},
      {L"a", L"", false},                     {L"\u00C9t\u00E9.bmp", L"\u00E9T\u00C9.BMP", true},
      {L"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaab", L"*a*a*a*a*a*a*a*a*a*a*a*c", false},
  };
  for (const auto& c : cases) EXPECT_EQ(MatchesMask(c.name, c.mask), c.match) << c.name << " ~ " << c.mask;
}

TEST(ZipRules, EntriesMatchByStoredNameOrFileNamePart) {
  EXPECT_TRUE(EntryMatches(L"detail1.bmp", L"detail1.bmp", true));
  EXPECT_TRUE(EntryMatches(L"sub/detail1.bmp", L"detail1.bmp", true));
  EXPECT_FALSE(EntryMatches(L"sub/detail1.bmp", L"detail1.bmp", false));
  EXPECT_TRUE(EntryMatches(L"sub/detail1.bmp", L"sub\\detail1.bmp", false));
  EXPECT_TRUE(EntryMatches(L"sub/", L"sub", true));  // trailing "/" of a folder entry is ignored
  EXPECT_FALSE(EntryMatches(L"sub/other.bmp", L"detail1.bmp", true));
}

TEST(ZipRules, AttributeRules) {
  EXPECT_TRUE(EntryPassesAttributes(attr::Hidden | attr::System | attr::Archive, attr::AnyFile));
  EXPECT_FALSE(EntryPassesAttributes(attr::Hidden, attr::Archive));
  EXPECT_TRUE(EntryPassesAttributes(attr::ReadOnly | attr::Archive, attr::Archive));  // only guarded bits count
  EXPECT_TRUE(FileQualifies(attr::Archive, attr::AnyFile));
  EXPECT_TRUE(FileQualifies(attr::Normal, attr::AnyFile));
  EXPECT_TRUE(FileQualifies(0, attr::ReadOnly | attr::Hidden | attr::System | attr::Archive));
  EXPECT_FALSE(FileQualifies(0, attr::ReadOnly | attr::Hidden | attr::Archive));
  EXPECT_FALSE(FileQualifies(attr::Directory, attr::Directory));  // the directory bit never qualifies a file
  EXPECT_FALSE(FileQualifies(attr::Hidden, attr::Archive));
}

TEST(ZipRules, MasksArePlacedUnderTheBaseFolder) {
  struct Case {
    const wchar_t* mask;
    const wchar_t* resolved;
  };
  const Case cases[] = {
      {L"detail1.bmp", L"C:\\Base\\detail1.bmp"},
      {L"sub\\*.bmp", L"C:\\Base\\sub\\*.bmp"},
      {L"D:\\x\\a.bmp", L"D:\\x\\a.bmp"},
      {L"..\\up\\a.bmp", L"..\\up\\a.bmp"},
      {L"\\root\\a.bmp", L"C:\\root\\a.bmp"},
      {L"\\\\server\\share\\a.bmp", L"\\\\server\\share\\a.bmp"},
  };
  for (const auto& c : cases) EXPECT_EQ(ResolveMask(L"C:\\Base", c.mask), c.resolved) << c.mask;
  EXPECT_EQ(ResolveMask(L"C:\\Base\\", L"a"), L"C:\\Base\\a");
}

TEST(ZipRules, EntryNamesThatCouldEscapeAreRefused) {
  const wchar_t* refused[] = {
      L"", L"/", L"/etc/passwd", L"\\x.bmp", L"C:/x.bmp", L"C:x.bmp", L"..", L"../x.bmp", L"a/../../x",
      L"a/..", L"a\\..\\..\\x", L"./../x", L"\\\\server\\share\\x", L"//server/share/x", L"x.bmp:stream",
      L"con", L"sub/NUL.txt", L"com1", L"LPT9.bmp", L"a./b", L"a /b", L"...", L"a\x01" L"b", L"a*b", L"a?b",
      // Device names stay devices whatever follows the first dot, and the superscript digits count too.
      L"CON.tar.gz", L"sub/com1.a.b", L"nul.txt.bak", L"Aux.x.y", L"COM\u00B9", L"lpt\u00B2.txt", L"sub/Com\u00B3.a.b",
      L"LPT\u00B3",
  };
  for (auto name : refused) EXPECT_FALSE(SafeRelativePath(name)) << name;
  EXPECT_EQ(SafeRelativePath(L"detail1.bmp"), L"detail1.bmp");
  EXPECT_EQ(SafeRelativePath(L"sub/dir/x.bmp"), L"sub\\dir\\x.bmp");
  EXPECT_EQ(SafeRelativePath(L"sub/"), L"sub");
  EXPECT_EQ(SafeRelativePath(L"./sub/./x.bmp"), L"sub\\x.bmp");
  EXPECT_EQ(SafeRelativePath(L"a//b"), L"a\\b");
  EXPECT_EQ(SafeRelativePath(L"./"), L"");
  EXPECT_EQ(SafeRelativePath(L"..a/b..c"), L"..a\\b..c");
  EXPECT_EQ(SafeRelativePath(L"console.txt"), L"console.txt");
  EXPECT_EQ(SafeRelativePath(L"com10"), L"com10");
  EXPECT_EQ(SafeRelativePath(L"com\u2074.txt"), L"com\u2074.txt");  // superscript four is no device
  EXPECT_EQ(SafeRelativePath(L"a.con.b"), L"a.con.b");
  EXPECT_EQ(SafeRelativePath(L"sub.com1/x.bmp"), L"sub.com1\\x.bmp");
}

TEST(ZipRules, StoredNamesAndStoragePaths) {
  EXPECT_EQ(StoredName(L"sub\\x.bmp", false), L"sub/x.bmp");
  EXPECT_EQ(StoredName(L"sub\\dir", true), L"sub/dir/");
  auto rel = TZAStorePathMode::spRelativePath;
  EXPECT_EQ(PathForStorage(L"C:\\Base\\sub\\x.bmp", L"C:\\base", rel), L"sub\\x.bmp");
  EXPECT_EQ(PathForStorage(L"C:\\Basement\\x.bmp", L"C:\\Base", rel), L"Basement\\x.bmp");  // not inside
  EXPECT_EQ(PathForStorage(L"\\\\srv\\share\\a\\x.bmp", L"C:\\Base", rel), L"a\\x.bmp");
  EXPECT_EQ(PathForStorage(L"C:\\Base\\sub\\x.bmp", L"C:\\Base", TZAStorePathMode::spNoPath), L"x.bmp");
  EXPECT_EQ(PathForStorage(L"C:\\Base\\x.bmp", L"C:\\Base", TZAStorePathMode::spFullPath), L"Base\\x.bmp");
  EXPECT_EQ(PathForStorage(L"C:\\Base\\x.bmp", L"C:\\Base", TZAStorePathMode::spFullPathWithDrive), L"C:\\Base\\x.bmp");
}

TEST(ZipRules, OnlyFailuresOfOneFileAreAskedAbout) {
  // Asked: the file cannot be created or opened, the entry does not check out or is not supported,
  // the file is too large for the format.
  for (int code : {8, 19, 20, 33, 41, 43, 55}) EXPECT_TRUE(AsksAboutFileFailure(code)) << code;
  // Not asked: unknown and zlib failures, reading the archive, writing, refusals before the work.
  for (int code : {0, 9, 13, 26, 32, 35, 36, 44, 46, 48}) EXPECT_FALSE(AsksAboutFileFailure(code)) << code;
}
