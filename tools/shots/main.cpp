// Shows each page of the wizard in each language, then two prompt dialogs, one after the other, for
// screenshots.
// For every view it writes "<name>.ready" (holding the window caption) into the folder given on the
// command line and waits until the file is deleted, which tells that the picture has been taken.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "app/TfMain.h"
#include "ui/Application.h"
#include "ui/FileOpener.h"
#include "ui/PromptDialog.h"
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

bool WriteReady(const std::wstring& folder, const std::string& name, const std::string& caption) {
  std::wstring ready = folder + core::Widen(name) + L".ready";
  HANDLE file = CreateFileW(ready.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, caption.data(), static_cast<DWORD>(caption.size()), &written, nullptr);
  CloseHandle(file);
  return file != INVALID_HANDLE_VALUE;
}

// A prompt dialog runs its own modal loop: a thread timer waits for it to be drawn, hands it to
// the picture taker and closes it once the picture is taken.
struct PromptShot {
  std::wstring folder;
  std::string name;
  int ticks = 0;
  bool written = false;
  bool taken = false;
};
PromptShot* promptShot = nullptr;

HWND ShownPrompt() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND h, LPARAM p) -> BOOL {
        wchar_t cls[64]{};
        GetClassNameW(h, cls, 64);
        if (lstrcmpW(cls, ui::kPromptDialogClass) == 0 && IsWindowVisible(h) && IsWindowEnabled(h)) {
          *reinterpret_cast<HWND*>(p) = h;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

void CALLBACK PromptTick(HWND, UINT, UINT_PTR, DWORD) {
  PromptShot& shot = *promptShot;
  HWND dialog = ShownPrompt();
  if (!dialog) return;
  ++shot.ticks;
  if (!shot.written) {
    if (shot.ticks < 8) return;  // let it paint
    wchar_t title[256]{};
    GetWindowTextW(dialog, title, 256);
    shot.written = WriteReady(shot.folder, shot.name, core::Narrow(title));
    return;
  }
  bool gone = !Exists(shot.folder + core::Widen(shot.name) + L".ready");
  if (gone || shot.ticks > 600) {
    shot.taken = gone;
    PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
}

template <class F>
bool ShootPrompt(const std::wstring& folder, const std::string& name, F show) {
  PromptShot shot{folder, name};
  promptShot = &shot;
  UINT_PTR timer = SetTimer(nullptr, 0, 50, PromptTick);
  show();
  KillTimer(nullptr, timer);
  promptShot = nullptr;
  return shot.taken;
}

bool Shoot(app::TfMain& w, const std::wstring& folder, const std::string& name) {
  RedrawWindow(w.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Settle(400);
  std::wstring ready = folder + core::Widen(name) + L".ready";
  WriteReady(folder, name, w.form.Text());
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
    w.clb7.AddLine(w.PickText(app::texts::kProgressBackup));
    w.clb7.AddLine(w.PickText(app::texts::kProgressInstall) + " " + w.l6v.Text() + " " + w.l6q.Text());
    w.clb7.SetChecked(0, true);
    w.clb7.SetSelectedIndex(1);
    w.sb7.SetSimpleText(" 42 %");
    for (int page = 0; page < 6; ++page) {
      w.pc.SetActivePageIndex(page);
      if (!Shoot(w, folder, std::string(lang == 'F' ? "fr" : "en") + "_" + pages[page])) return 3;
    }
  }
  // The batch-file question, and a question with an answer box.
  if (!ShootPrompt(folder, "prompt_batch", [] { ui::AskDocumentCommand("C:\\Outils\\Lancer.bat"); })) return 3;
  if (!ShootPrompt(folder, "prompt_answer", [] {
        std::string answer = "C:\\Jeux\\Flight Simulator X\\";
        ui::Prompt("Dans quel dossier le simulateur est-il installé ?", "Dossier du simulateur",
                   ui::PromptIcon::Confirmation, &answer, {"Ok", "Annuler", "Parcourir..."});
      }))
    return 3;
  w.form.Close();
  return 0;
}
