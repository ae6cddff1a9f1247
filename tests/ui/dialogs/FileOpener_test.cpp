#include "ui/dialogs/FileOpener.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <tlhelp32.h>

#include <string>
#include <vector>

#include "core/Environment.h"
#include "core/Utf8.h"
#include "support/Gui.h"
#include "support/TempFolder.h"
#include "ui/dialogs/Application.h"
#include "ui/dialogs/PromptDialog.h"
#include "support/PromptAnswerer.h"

namespace {

using testing_support::PromptAnswerer;
using Action = PromptAnswerer::Action;

const std::string kNotepad = "\"C:\\windows\\system32\\notepad.exe\" ";
const std::string kAssociated = "\"C:\\windows\\system32\\rundll32.exe\" url.dll,FileProtocolHandler ";

TEST(DocumentCommand, ChoosesNotepadOrTheAssociatedProgramByExtensionWhateverTheCase) {
  struct Case {
    const char* name;
    int batchAnswer;
    std::string expected;
  };
  const Case cases[] = {
      {"mailto:pratilo@example.org?subject=(Pratilo v1.0.0.0)", -1,
       kAssociated + "mailto:pratilo@example.org?subject=(Pratilo v1.0.0.0)"},
      {"C:\\FS9\\FS9.CFG", -1, kNotepad + "C:\\FS9\\FS9.CFG"},
      {"C:\\FS9\\fs9.cfg", -1, kNotepad + "C:\\FS9\\fs9.cfg"},
      {"C:\\Windows\\System.Sys", -1, kNotepad + "C:\\Windows\\System.Sys"},
      {"C:\\FS9\\FS9.cfg.txt", -1, kAssociated + "C:\\FS9\\FS9.cfg.txt"},
      {"C:\\FS9\\cfg", -1, kAssociated + "C:\\FS9\\cfg"},
      {"http://www.example.org/", -1, kAssociated + "http://www.example.org/"},
      {"", -1, kAssociated},
      // The batch-file answer counts for batch files only: 1 runs it, anything else shows it.
      {"D:\\Outils\\lancer.bat", 1, kAssociated + "D:\\Outils\\lancer.bat"},
      {"D:\\Outils\\LANCER.BAT", 1, kAssociated + "D:\\Outils\\LANCER.BAT"},
      {"D:\\Outils\\lancer.Bat", 0, kNotepad + "D:\\Outils\\lancer.Bat"},
      {"D:\\Outils\\lancer.bat", -1, kNotepad + "D:\\Outils\\lancer.bat"},
      {"D:\\Outils\\lancer.bat", 2, kNotepad + "D:\\Outils\\lancer.bat"},
      {"C:\\FS9\\FS9.CFG", 1, kNotepad + "C:\\FS9\\FS9.CFG"},
      {"C:\\Pratilo\\Lisez-moi.txt", 1, kAssociated + "C:\\Pratilo\\Lisez-moi.txt"},
      // Names go on unquoted, spaces and all.
      {"C:\\Program Files\\FS9\\FS9.CFG", -1, kNotepad + "C:\\Program Files\\FS9\\FS9.CFG"},
      {"C:\\Jeux été\\a b.bat", 1, kAssociated + "C:\\Jeux été\\a b.bat"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ui::DocumentCommand(c.name, c.batchAnswer, "C:\\windows\\system32\\"), c.expected) << c.name;
}

TEST(IsBatchFile, OnlyTheBatExtensionInAnyCase) {
  EXPECT_TRUE(ui::IsBatchFile("a.bat"));
  EXPECT_TRUE(ui::IsBatchFile("A.BAT"));
  EXPECT_TRUE(ui::IsBatchFile(".bAt"));
  EXPECT_FALSE(ui::IsBatchFile("a.cmd"));
  EXPECT_FALSE(ui::IsBatchFile("a.bat.txt"));
  EXPECT_FALSE(ui::IsBatchFile("bat"));
}

struct FileOpenerTest : ::testing::Test {
  void SetUp() override {
    core::InitEnvironment();
    ui::App().Initialize();
    ui::App().SetTitle("Pratilo");
  }
};

TEST_F(FileOpenerTest, ABatchFileIsShownOrRunAsTheQuestionIsAnswered) {
  struct Case {
    const char* what;
    Action action;
    int button;
    std::string expected;
  };
  const std::string name = "D:\\Outils\\Lancer.BAT";
  const Case cases[] = {
      {"Enter: Afficher, the default button", Action::Enter, 0, kNotepad + name},
      {"Escape: shown, never run", Action::Escape, 0, kNotepad + name},
      {"Afficher clicked", Action::Click, 0, kNotepad + name},
      {"Exécuter clicked", Action::Click, 1, kAssociated + name},
      {"close box: shown", Action::CloseBox, 0, kNotepad + name},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PromptAnswerer answerer({{.title = "Attention !", .action = c.action, .button = c.button}});
    EXPECT_EQ(ui::AskDocumentCommand(name), c.expected);
    ASSERT_EQ(answerer.seen().size(), 1u);
    const auto& seen = answerer.seen()[0];
    EXPECT_EQ(seen.text, "Attention, ce fichier va exécuter certaines opérations.\r\n\r\n"
                         "Voulez-vous l'afficher ou l'exécuter ?");
    EXPECT_EQ(seen.buttons, (std::vector<std::string>{"Afficher", "Exécuter"}));
    EXPECT_EQ(seen.iconPixels, testing_support::IconPixels(LoadIconW(nullptr, IDI_EXCLAMATION), 32));
    EXPECT_FALSE(seen.answer);
  }
}

TEST_F(FileOpenerTest, OtherNamesAreNotQuestioned) {
  PromptAnswerer answerer({});
  EXPECT_EQ(ui::AskDocumentCommand("C:\\FS9\\FS9.CFG"), kNotepad + "C:\\FS9\\FS9.CFG");
  EXPECT_EQ(ui::AskDocumentCommand("mailto:a@b.c"), kAssociated + "mailto:a@b.c");
  ui::App().ProcessMessages();
  EXPECT_TRUE(answerer.seen().empty());
}

// The processes this one started with the given file name.
std::vector<DWORD> ChildrenNamed(const wchar_t* exe) {
  std::vector<DWORD> found;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32W entry{sizeof entry};
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (entry.th32ParentProcessID == GetCurrentProcessId() && _wcsicmp(entry.szExeFile, exe) == 0)
      found.push_back(entry.th32ProcessID);
  }
  CloseHandle(snapshot);
  return found;
}

struct Found {
  DWORD pid;
  HWND window = nullptr;
};

HWND MainWindowOf(DWORD pid) {
  Found f{pid};
  EnumWindows(
      [](HWND h, LPARAM p) -> BOOL {
        auto* f = reinterpret_cast<Found*>(p);
        DWORD owner = 0;
        GetWindowThreadProcessId(h, &owner);
        wchar_t cls[32]{};
        GetClassNameW(h, cls, 32);
        // Skip the input-method window the system gives the process before its own window.
        if (owner == f->pid && GetWindow(h, GW_OWNER) == nullptr && IsWindowVisible(h) && lstrcmpiW(cls, L"IME") != 0 &&
            GetWindowTextLengthW(h) > 0) {
          f->window = h;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&f));
  return f.window;
}

TEST_F(FileOpenerTest, OpensASettingsFileInNotepadWithTheGivenShowCommand) {
  testing_support::TempFolder folder("opener");
  const std::string file = folder / "RÉGLAGES.CFG";
  ASSERT_TRUE(testing_support::WriteFileBytes(file, "[Display]\r\nTextureMaxLoad=6\r\n"));
  ASSERT_TRUE(ChildrenNamed(L"notepad.exe").empty());
  ui::OpenDocument(file, SW_SHOWMINNOACTIVE);
  std::vector<DWORD> started;
  HWND window = nullptr;
  for (int waited = 0; waited < 15000 && !window; waited += 100) {
    Sleep(100);
    started = ChildrenNamed(L"notepad.exe");
    if (started.size() == 1) window = MainWindowOf(started[0]);
  }
  ASSERT_EQ(started.size(), 1u);
  ASSERT_NE(window, nullptr);
  Sleep(300);  // let it finish loading the file into its caption
  std::wstring title(256, L'\0');
  title.resize(static_cast<size_t>(GetWindowTextW(window, title.data(), 256)));
  EXPECT_NE(title.find(L"RÉGLAGES.CFG"), std::wstring::npos) << core::Narrow(title);
  EXPECT_TRUE(IsIconic(window));
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, started[0]);
  ASSERT_NE(process, nullptr);
  TerminateProcess(process, 0);
  WaitForSingleObject(process, 5000);
  CloseHandle(process);
}

TEST_F(FileOpenerTest, AProgramThatCannotBeFoundIsNotStarted) {
  EXPECT_FALSE(ui::StartCommand("pratilo-no-such-program-xyz argument", SW_SHOWNORMAL));
}

}  // namespace
