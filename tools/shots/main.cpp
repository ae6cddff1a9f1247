// Shows each page of the wizard in each language, the finished and the not completed page, the
// uninstall question, the wait window and the prompt dialog, one after the other, for screenshots.
// For every view it writes "<name>.ready" (holding the window caption) into the folder given on the
// command line and waits until the file is deleted, which tells that the picture has been taken.
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <thread>

#include "app/texts/RunTexts.h"
#include "app/wizard/TfMain.h"
#include "ui/dialogs/Application.h"
#include "ui/dialogs/FileOpener.h"
#include "ui/dialogs/PromptDialog.h"
#include "ui/dialogs/WaitWindow.h"
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

// Tells the script which window to take (by the end of its title) and waits until it is taken.
bool AwaitPicture(const std::wstring& folder, const std::string& name, const std::string& title, bool pump) {
  std::wstring ready = folder + core::Widen(name) + L".ready";
  HANDLE file = CreateFileW(ready.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, title.data(), static_cast<DWORD>(title.size()), &written, nullptr);
  CloseHandle(file);
  for (int waited = 0; Exists(ready); waited += 50) {
    if (waited > 30000) return false;
    if (pump) ui::App().ProcessMessages();
    Sleep(50);
  }
  return true;
}

// The part of a title after its last non-ASCII character: what the script can match in X's window list.
std::string AsciiEnd(const std::string& title) {
  size_t i = title.size();
  while (i > 0 && static_cast<unsigned char>(title[i - 1]) < 0x80) --i;
  return title.substr(i);
}

bool Shoot(ui::Form& window, const std::wstring& folder, const std::string& name) {
  RedrawWindow(window.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Settle(400);
  return AwaitPicture(folder, name, AsciiEnd(window.Text()), true);
}

struct Question {
  const wchar_t* windowClass;  // "#32770" for the system's message box
  std::string caption;
  UINT dismiss;  // posted once the picture is taken
  WPARAM dismissParam;
};

// Shows a modal question through `ask` and takes its picture from another thread, since the
// question runs its own message loop; the question is then dismissed.
bool ShootQuestion(const std::wstring& folder, const std::string& name, const Question& q,
                   const std::function<void()>& ask) {
  bool taken = false;
  std::thread watcher([&] {
    std::wstring wide = core::Widen(q.caption);
    for (int waited = 0; waited < 10000; waited += 50) {
      if (HWND box = FindWindowW(q.windowClass, wide.c_str()); box && IsWindowVisible(box)) {
        Sleep(400);
        taken = AwaitPicture(folder, name, AsciiEnd(q.caption), false);
        PostMessageW(box, q.dismiss, q.dismissParam, 0);
        return;
      }
      Sleep(50);
    }
  });
  ask();
  watcher.join();
  return taken;
}

// A texture folder holding the simulator's own detail1.bmp.
void DemoTexture(const std::string& mainFolder) {
  std::wstring path = core::Widen(mainFolder);
  for (const wchar_t* part : {L"Scenery\\", L"World\\", L"Texture\\"}) {
    path += part;
    CreateDirectoryW(path.c_str(), nullptr);
  }
  HANDLE file = CreateFileW((path + L"detail1.bmp").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, "BM original", 11, &written, nullptr);
  CloseHandle(file);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc < 3) return 2;
  std::wstring folder = argv[1];
  if (folder.back() != L'\\') folder += L'\\';
  core::InitEnvironment();

  std::string fsx = DemoFolder(folder, L"FSX", L"FSX.exe");
  DemoTexture(fsx);
  app::TfMain w;
  // A failed installation ends the program, which the script reports.
  // A third argument "high-contrast": the wizard as Windows' high-contrast setting has it drawn.
  const bool highContrast = argc > 3 && std::wstring(argv[3]) == L"high-contrast";
  if (!w.Create(
          {.halt = [] { ExitProcess(4); }, .payloadArchive = core::Narrow(argv[2]), .highContrast = highContrast}))
    return 1;
  w.FolderFSX = fsx;
  w.FolderFS9 = DemoFolder(folder, L"FS9", L"FS9.exe");
  core::WriteSetting("cfgFSX", "11");  // Variation 2 at 512
  w.Show();
  const char* pages[] = {"ts0", "ts1", "ts2", "ts4", "ts6", "ts7"};
  for (char lang : {'F', 'E'}) {
    w.SetLanguage(lang);
    w.rbFSX.SetChecked(true);
    w.SimulatorChoice();
    // The licence page and the last page are changed before they are shown: they are made now, the
    // others when they are first shown, as for a user.
    w.MakePage(w.ts1);
    w.cb1.SetChecked(true);
    w.s1.SetEnabled(true);
    // The last page as it looks while the texture is being put in place.
    w.MakePage(w.ts7);
    w.clb7.Clear();
    for (const auto& line : app::ProgressLines(w.Lang, {setup::ProgressLine::Backup, setup::ProgressLine::Install},
                                               w.VariantText(), w.ResolutionText()))
      w.clb7.AddLine(line);
    w.clb7.SetChecked(0, true);
    w.clb7.SetSelectedIndex(1);
    w.sb7.SetSimpleText(" 42 %");
    for (int page = 0; page < 6; ++page) {
      w.pc.SetActivePageIndex(page);
      if (!Shoot(w.form, folder, std::string(lang == 'F' ? "fr" : "en") + "_" + pages[page])) return 3;
    }
  }

  // The finished page after a real installation into the demo folder, and the uninstall question.
  ui::App().Initialize();
  ui::App().SetTitle("Pratilo");
  ui::App().SetMainForm(&w.form);
  for (char lang : {'F', 'E'}) {
    std::string prefix = lang == 'F' ? "fr" : "en";
    w.SetLanguage(lang);
    w.pc.SetActivePageIndex(app::PageIndex(app::Page::ts7));
    w.Install();
    if (!Shoot(w.form, folder, prefix + "_finished")) return 3;
    // The same page when an error stopped the run.
    w.l7.SetVisible(false);
    w.l7err.SetVisible(true);
    if (!Shoot(w.form, folder, prefix + "_not_completed")) return 3;
    w.l7err.SetVisible(false);
    w.pc.SetActivePageIndex(app::PageIndex(app::Page::ts0));
    Question uninstall{L"#32770", w.PickText(app::texts::kUninstallCaption), WM_COMMAND, IDNO};
    if (!ShootQuestion(folder, prefix + "_uninstall", uninstall, [&] { w.Clic(w.b0); })) return 3;
  }

  // The wait window over the wizard, as a long operation would show it. It has no caption of its
  // own; the script finds it by the window text set here.
  ui::TWait* wait = ui::GetWait();
  wait->Start("Copie de la texture\tT2_512.bmp", true);
  ui::TfWait& f = *ui::CurrentWaitForm();
  f.form.SetText("fWait");
  if (!Shoot(f.form, folder, "wait")) return 3;
  wait->Finish();

  // The prompt dialog: the batch-file question, and a question with an answer box.
  Question batch{ui::kPromptDialogClass, "Attention !", WM_SYSCOMMAND, SC_CLOSE};
  if (!ShootQuestion(folder, "prompt_batch", batch, [] { ui::AskDocumentCommand("C:\\Outils\\Lancer.bat"); }))
    return 3;
  Question answer{ui::kPromptDialogClass, "Dossier du simulateur", WM_SYSCOMMAND, SC_CLOSE};
  if (!ShootQuestion(folder, "prompt_answer", answer, [] {
        std::string text = "C:\\Jeux\\Flight Simulator X\\";
        ui::Prompt("Dans quel dossier le simulateur est-il installé ?", "Dossier du simulateur",
                   ui::PromptIcon::Confirmation, &text, {"Ok", "Annuler", "Parcourir..."});
      }))
    return 3;
  ui::App().SetMainForm(nullptr);
  w.form.Destroy();  // closing would ask, as for a user's Alt+F4
  return 0;
}
