// The program runs as administrator from a folder where anyone's files land: DLLs planted beside it
// under the names of Windows' own are never loaded, and the wizard works all the same.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "e2e/support/Scene.h"
#include "e2e/support/Unattended.h"
#include "e2e/support/Windows.h"
#include "e2e/support/Wizard.h"
#include "support/Build.h"
#include "support/TempFolder.h"
#include "support/Text.h"

namespace e2e {
namespace {

using testing_support::FileExists;

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

TEST(PlantedDlls, NoneBesideTheProgramIsLoaded) {
  Scene scene;
  const char* planted[] = {"msftedit.dll", "version.dll", "uxtheme.dll"};
  for (const char* name : planted)
    ASSERT_TRUE(CopyFileW(testing_support::Widen(testing_support::BuildPath("bin\\planted.dll")).c_str(),
                          testing_support::Widen(scene.ProgramFolder() + name).c_str(), FALSE));
  {
    Wizard w;
    ASSERT_TRUE(w.Start(scene.Exe()));
    EXPECT_GT(RichTextLength(w.Window()), 100) << "the presentation is empty: no rich edit";
    EXPECT_TRUE(w.Shows("Texture originale en place"));
    EXPECT_TRUE(w.QuitWithYes());
  }
  EXPECT_EQ(RunProgram(scene, "/install /sim=FSX /variant=1 /res=256 /accept /quiet").code, 0u);
  for (const char* name : planted) EXPECT_FALSE(FileExists(scene.ProgramFolder() + name + ".loaded")) << name;
}

}  // namespace
}  // namespace e2e
