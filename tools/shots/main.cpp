// Shows each page of the wizard in each language, one after the other, then the wait window, for screenshots.
// For every view it writes "<name>.ready" (holding the window caption) into the folder given on the
// command line and waits until the file is deleted, which tells that the picture has been taken.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "app/InstallPlan.h"
#include "app/TfMain.h"
#include "ui/Application.h"
#include "ui/WaitWindow.h"
#include "core/Environment.h"
#include "core/Settings.h"
#include "core/Utf8.h"

namespace {

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void Settle(int milliseconds) {
  DWORD until = GetTickCount() + static_cast<DWORD>(milliseconds);
  while (GetTickCount() < until) {
    ui::App().ProcessMessages();
    Sleep(20);
  }
}

// A folder that looks like a simulator's main folder.
std::string DemoFolder(const std::wstring& base, const wchar_t* name, const wchar_t* marker) {
  std::wstring folder = base + name + L"\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  HANDLE file = CreateFileW((folder + marker).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(file);
  return core::Narrow(folder);
}

bool Shoot(ui::Form& window, const std::wstring& folder, const std::string& name) {
  RedrawWindow(window.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Settle(400);
  std::wstring ready = folder + core::Widen(name) + L".ready";
  HANDLE file = CreateFileW(ready.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  std::string caption = window.Text();
  DWORD written = 0;
  WriteFile(file, caption.data(), static_cast<DWORD>(caption.size()), &written, nullptr);
  CloseHandle(file);
  for (int waited = 0; Exists(ready); waited += 50) {
    if (waited > 30000) return false;
    ui::App().ProcessMessages();
    Sleep(50);
  }
  return true;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 2) return 2;
  std::wstring folder = argv[1];
  if (folder.back() != L'\\') folder += L'\\';
  core::InitEnvironment();

  std::string fsx = DemoFolder(folder, L"FSX", L"FSX.exe");
  app::TfMain w;
  if (!w.Create()) return 1;
  w.FolderFSX = fsx;
  w.FolderFS9 = DemoFolder(folder, L"FS9", L"FS9.exe");
  core::WriteSetting("cfgFSX", "11");  // Variation 2 at 512
  w.Show();
  const char* pages[] = {"ts0", "ts1", "ts2", "ts4", "ts6", "ts7"};
  for (char lang : {'F', 'E'}) {
    w.SetLanguage(lang);
    w.rbFSX.SetChecked(true);
    w.SimulatorChoice();
    w.cb1.SetChecked(true);
    w.s1.SetEnabled(true);
    // The last page as it looks while the texture is being put in place.
    w.clb7.Clear();
    for (const auto& line : app::ProgressLines(w.Lang, true, w.l6v.Text(), w.l6q.Text())) w.clb7.AddLine(line);
    w.clb7.SetChecked(0, true);
    w.clb7.SetSelectedIndex(1);
    w.sb7.SetSimpleText(" 42 %");
    for (int page = 0; page < 6; ++page) {
      w.pc.SetActivePageIndex(page);
      if (!Shoot(w.form, folder, std::string(lang == 'F' ? "fr" : "en") + "_" + pages[page])) return 3;
    }
  }

  // The wait window over the wizard, as a long operation would show it. It has no caption of its
  // own; the script finds it by the window text set here.
  ui::App().Initialize();
  ui::App().SetMainForm(&w.form);
  ui::TWait* wait = ui::GetWait();
  wait->Start("Copie de la texture\tT2_512.bmp", true);
  ui::TfWait& f = *ui::CurrentWaitForm();
  f.form.SetText("fWait");
  if (!Shoot(f.form, folder, "wait")) return 3;
  wait->Finish();
  ui::App().SetMainForm(nullptr);
  w.form.Close();
  return 0;
}
