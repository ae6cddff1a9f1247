// The release as a Windows user gets it: the zip unpacked into a folder whose name holds blanks and
// accents, the program run from there, with DLLs planted beside it under Windows' names. It runs as
// administrator from a folder where anyone's files land: none of them may be loaded.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <set>

#include "e2e/support/Process.h"
#include "e2e/support/Scene.h"
#include "e2e/support/Windows.h"
#include "e2e/support/Wizard.h"
#include "e2e/support/ZipReader.h"
#include "support/Build.h"
#include "support/TempFolder.h"
#include "support/Text.h"

namespace e2e {
namespace {

using testing_support::FileExists;
using testing_support::ReadFileBytes;
using testing_support::WriteFileBytes;

// The one release zip the build made.
std::string ReleaseZip() {
  WIN32_FIND_DATAW found;
  const std::string folder = testing_support::BuildPath("dist\\");
  HANDLE search = FindFirstFileW(testing_support::Widen(folder + "Pratilo-*.zip").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return {};
  FindClose(search);
  return folder + testing_support::Narrow(found.cFileName);
}

// The longest text of the window's rich edits (the presentation, the licence); -1 without one.
int RichTextLength(HWND window) {
  int longest = -1;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM data) -> BOOL {
        wchar_t name[64];
        GetClassNameW(child, name, 64);
        int& found = *reinterpret_cast<int*>(data);
        if (lstrcmpiW(name, L"RICHEDIT50W") == 0) found = std::max(found, static_cast<int>(TextOf(child).size()));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&longest));
  return longest;
}

DWORD RunQuietly(const std::string& exe, const std::string& switches) {
  ChildProcess program;
  if (!program.Start(exe, switches, true)) return STILL_ACTIVE;
  return program.WaitExit(60000) ? program.ExitCode() : STILL_ACTIVE;
}

TEST(Package, RunsFromItsUnpackedFolderAndLoadsNothingPlantedBesideIt) {
  const std::string zip = ReleaseZip();
  ASSERT_FALSE(zip.empty()) << "no release zip in the build's dist folder";
  const auto entries = ReadZip(ReadFileBytes(zip));
  ASSERT_TRUE(entries) << zip << " does not read back";

  const std::string folder = "C:\\Téléchargements\\Pratilo 1.0 été\\";
  testing_support::RemoveTree("C:\\Téléchargements");
  std::set<std::string> names, roots;
  for (const ZipEntry& entry : *entries) {
    const size_t slash = entry.name.find('/');
    ASSERT_NE(slash, std::string::npos) << entry.name << " lies outside the package's folder";
    roots.insert(entry.name.substr(0, slash));
    const std::string name = entry.name.substr(slash + 1);
    if (name.empty()) continue;
    names.insert(name);
    ASSERT_TRUE(WriteFileBytes(folder + name, entry.data));
  }
  EXPECT_EQ(roots.size(), 1u);
  EXPECT_EQ(names, (std::set<std::string>{"LISEZMOI.txt", "Pratilo.bin", "Pratilo.exe", "README.txt",
                                          "SHA256SUMS.txt", "THIRD-PARTY-NOTICES.txt"}));
  // As Notepad reads them: a byte-order mark, CRLF line ends, and the accents in UTF-8.
  const std::string guide = ReadFileBytes(folder + "LISEZMOI.txt");
  EXPECT_EQ(guide.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_EQ(guide.find("\n"), guide.find("\r\n") + 1);
  EXPECT_NE(guide.find("Désinstaller"), std::string::npos);
  EXPECT_NE(ReadFileBytes(folder + "README.txt").find("  9  another copy of Pratilo is running"), std::string::npos)
      << "the guide lacks the program's own usage text";
  const std::string notices = ReadFileBytes(folder + "THIRD-PARTY-NOTICES.txt");
  for (const char* piece : {"Jean-loup Gailly", "Independent JPEG Group", "winpthreads", "GCC RUNTIME LIBRARY EXCEPTION"})
    EXPECT_NE(notices.find(piece), std::string::npos) << piece;

  const char* planted[] = {"msftedit.dll", "version.dll", "uxtheme.dll"};
  for (const char* name : planted)
    ASSERT_TRUE(CopyFileW(testing_support::Widen(testing_support::BuildPath("bin\\planted.dll")).c_str(),
                          testing_support::Widen(folder + name).c_str(), FALSE));
  Scene scene;
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  {
    Wizard w;
    ASSERT_TRUE(w.Start(folder + "Pratilo.exe"));
    EXPECT_GT(RichTextLength(w.Window()), 100) << "the presentation is empty: no rich edit";
    EXPECT_TRUE(w.Shows("Texture originale en place"));
    EXPECT_TRUE(w.QuitWithYes());
  }
  EXPECT_EQ(RunQuietly(folder + "Pratilo.exe", "/install /sim=FSX /variant=3 /res=256 /accept /quiet"), 0u);
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == PayloadEntry("T3_256.bmp"));
  EXPECT_EQ(RunQuietly(folder + "Pratilo.exe", "/uninstall /sim=FSX /quiet"), 0u);
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == scene.Original(Sim::FSX));
  EXPECT_FALSE(FileExists(fsx.Backup()));
  for (const char* name : planted) EXPECT_FALSE(FileExists(folder + name + ".loaded")) << name;
  testing_support::RemoveTree("C:\\Téléchargements");
}

}  // namespace
}  // namespace e2e
