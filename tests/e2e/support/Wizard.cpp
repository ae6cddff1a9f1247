#include "e2e/support/Wizard.h"

#include <cstdio>

namespace e2e {
namespace {

const Captions kFrench{
    "Suivant",
    "Précédent",
    "Renoncer",
    "Installer",
    "Ok",
    "J'accepte",
    "Désinstaller Pratilo",
    {"Variante 1", "Variante 2", "Variante 3", "Variante 4", "Variante 5", "Grille de test"},
    "Voulez-vous abandonner l'installation ?",
    "Désinstallation de Pratilo",
    "Vous pouvez changer tous les paramètres sans désinstaller d'abord (Cliquez NON puis SUIVANT) !\r\n\r\n"
    "Voulez-vous réellement désinstaller Pratilo ?",
    "Pratilo désinstallé, textures originales restaurées.",
};

const Captions kEnglish{
    "Next",
    "Previous",
    "Cancel",
    "Install",
    "Ok",
    "I agree",
    "Uninstall Pratilo",
    {"Variation 1", "Variation 2", "Variation 3", "Variation 4", "Variation 5", "Test grid"},
    "Do you want to cancel this setup ?",
    "Uninstall Pratilo",
    "You can change every parameter without uninstalling first (Click NO then NEXT) !\r\n\r\n"
    "Do you really want to uninstall Pratilo ?",
    "Pratilo uninstalled, original textures restored.",
};

constexpr int kStartTimeoutMs = 20000;
constexpr int kExitTimeoutMs = 10000;

using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;

std::string ExitCodeText(DWORD code) {
  char text[16];
  std::snprintf(text, sizeof text, "%08lx", static_cast<unsigned long>(code));
  return text;
}

}  // namespace

const Captions& CaptionsIn(Language language) { return language == Language::French ? kFrench : kEnglish; }

const char* RadioCaption(Sim sim) { return sim == Sim::FS9 ? "FS2004" : "FSX"; }

const char* PageName(Page page) {
  switch (page) {
    case Page::None: return "no page";
    case Page::Presentation: return "presentation";
    case Page::Licence: return "licence";
    case Page::Variant: return "variant";
    case Page::Resolution: return "resolution";
    case Page::Summary: return "summary";
    case Page::Installation: return "installation";
  }
  return "?";
}

AssertionResult Wizard::Start(const std::string& exe, double* startMs) {
  auto started = Clock::now();
  if (!process_.Start(exe))
    return AssertionFailure() << "cannot start " << exe << " (error " << process_.StartError() << ")";
  if (!WaitUntil([&] { return Window() != nullptr || !process_.Running(); }, kStartTimeoutMs) || !Window())
    return AssertionFailure() << "no wizard window shown (exit code " << ExitCodeText(process_.ExitCode()) << "); "
                              << Describe();
  WaitForInputIdle(process_.Handle(), kStartTimeoutMs);
  if (startMs) *startMs = MillisecondsSince(started);
  return AssertionSuccess();
}

HWND Wizard::Window() const {
  auto windows = TopLevelWindows(process_.Id(), L"TfMain", true);
  return windows.empty() ? nullptr : windows.front();
}

Page Wizard::CurrentPage() const {
  HWND window = Window();
  if (!window) return Page::None;
  // Each page is told by a control that only it shows.
  if (!VisibleDescendants(window, L"ListBox").empty()) return Page::Installation;
  if (!VisibleDescendants(window, L"Edit").empty()) return Page::Summary;
  if (Button(kResolutions[0])) return Page::Resolution;
  if (Button(captions_->variants[0])) return Page::Variant;
  if (Button(RadioCaption(Sim::FS9))) return Page::Presentation;
  for (HWND child : VisibleDescendants(window, nullptr))
    if (_wcsnicmp(ClassOf(child).c_str(), L"RichEdit", 8) == 0) return Page::Licence;
  return Page::None;
}

AssertionResult Wizard::WaitForPage(Page page, int timeoutMs) const {
  if (WaitUntil([&] { return CurrentPage() == page; }, timeoutMs)) return AssertionSuccess();
  return AssertionFailure() << "expected the " << PageName(page) << " page; " << Describe();
}

HWND Wizard::Button(const std::string& caption) const { return FindVisible(Window(), L"Button", caption); }

AssertionResult Wizard::ClickButton(const std::string& caption) const {
  HWND button = Button(caption);
  if (!button) return AssertionFailure() << "no visible \"" << caption << "\"; " << Describe();
  // The state of a button can follow a click with a short delay (the program handles it first).
  if (!WaitUntil([&] { return IsWindowEnabled(button) != FALSE; }, 2000))
    return AssertionFailure() << "\"" << caption << "\" stays disabled; " << Describe();
  Click(button);
  return AssertionSuccess();
}

HWND Wizard::FolderField() const {
  auto edits = VisibleDescendants(Window(), L"Edit");
  return edits.empty() ? nullptr : edits.front();
}

int Wizard::ProgressLines() const {
  auto lists = VisibleDescendants(Window(), L"ListBox");
  if (lists.empty()) return -1;
  DWORD_PTR count = 0;
  SendMessageTimeoutW(lists.front(), LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count);
  return static_cast<int>(count);
}

bool Wizard::Shows(const std::string& text) const { return FindVisible(Window(), nullptr, text) != nullptr; }

AssertionResult Wizard::WalkToSummary(const Choice& choice) const {
  const Captions& t = *captions_;
  if (auto r = WaitForPage(Page::Presentation); !r) return r;
  HWND radio = Button(RadioCaption(choice.sim));
  if (!radio) return AssertionFailure() << "no simulator button; " << Describe();
  if (!IsChecked(radio)) Click(radio);
  if (!WaitUntil([&] { return IsChecked(radio); }, 2000)) return AssertionFailure() << "simulator not chosen";
  if (auto r = ClickButton(t.next); !r) return r;
  if (auto r = WaitForPage(Page::Licence); !r) return r;
  if (HWND agree = Button(t.agree); agree && !IsChecked(agree)) Click(agree);
  if (auto r = ClickButton(t.next); !r) return r;
  if (auto r = WaitForPage(Page::Variant); !r) return r;
  if (auto r = ClickButton(t.variants[static_cast<size_t>(choice.variant)]); !r) return r;
  if (!WaitUntil([&] { return IsChecked(Button(t.variants[static_cast<size_t>(choice.variant)])); }, 2000))
    return AssertionFailure() << "variant not chosen";
  if (auto r = ClickButton(t.next); !r) return r;
  if (choice.variant != 5) {
    if (auto r = WaitForPage(Page::Resolution); !r) return r;
    if (auto r = ClickButton(kResolutions[static_cast<size_t>(choice.resolution)]); !r) return r;
    if (!WaitUntil([&] { return IsChecked(Button(kResolutions[static_cast<size_t>(choice.resolution)])); }, 2000))
      return AssertionFailure() << "resolution not chosen";
    if (auto r = ClickButton(t.next); !r) return r;
  }
  return WaitForPage(Page::Summary);
}

AssertionResult Wizard::InstallAndWaitFinished(double* elapsedMs, int timeoutMs) const {
  auto started = Clock::now();
  if (auto r = ClickButton(captions_->install); !r) return r;
  bool finished = WaitUntil([&] { return Button(captions_->ok) != nullptr || FindBox(Id()) || !process_.Running(); },
                            timeoutMs);
  if (!finished || !Button(captions_->ok))
    return AssertionFailure() << "the installation did not finish; " << Describe();
  if (elapsedMs) *elapsedMs = MillisecondsSince(started);
  return AssertionSuccess();
}

AssertionResult Wizard::FinishWithOk() const {
  if (auto r = ClickButton(captions_->ok); !r) return r;
  if (!process_.WaitExit(kExitTimeoutMs)) return AssertionFailure() << "the program did not end; " << Describe();
  return AssertionSuccess();
}

AssertionResult Wizard::AnswerBox(const char* caption, const char* text, int buttonId) const {
  auto box = WaitForBox(Id(), 5000);
  if (!box) return AssertionFailure() << "no box \"" << caption << "\"; " << Describe();
  if (box->caption != caption || box->text != text)
    return AssertionFailure() << "unexpected " << box->Describe();
  if (!Answer(*box, buttonId)) return AssertionFailure() << "cannot answer " << box->Describe();
  return AssertionSuccess();
}

AssertionResult Wizard::QuitWithYes() const {
  if (auto r = ClickButton(captions_->cancel); !r) return r;
  if (auto r = AnswerBox("Pratilo", captions_->quitQuestion, IDYES); !r) return r;
  if (!process_.WaitExit(kExitTimeoutMs)) return AssertionFailure() << "the program did not end; " << Describe();
  return AssertionSuccess();
}

std::string Wizard::Describe() const {
  std::string d = process_.Running() ? "showing the " + std::string(PageName(CurrentPage())) + " page"
                                     : "the program has ended";
  if (auto box = FindBox(Id())) d += ", " + box->Describe();
  return d;
}

AssertionResult InstallOnce(const std::string& exe, const Choice& choice, Language language, double* installMs) {
  Wizard w(language);
  if (auto r = w.Start(exe); !r) return r;
  if (auto r = w.WalkToSummary(choice); !r) return r;
  if (auto r = w.InstallAndWaitFinished(installMs); !r) return r;
  return w.FinishWithOk();
}

AssertionResult Wizard::StartUninstalling(const std::string& exe, Sim sim) {
  if (auto r = Start(exe); !r) return r;
  if (auto r = WaitForPage(Page::Presentation); !r) return r;
  if (HWND radio = Button(RadioCaption(sim)); radio && !IsChecked(radio)) Click(radio);
  if (auto r = ClickButton(captions_->uninstall); !r) return r;
  auto question = WaitForBox(Id(), 5000);
  if (!question) return AssertionFailure() << "no uninstall question; " << Describe();
  if (question->caption != captions_->uninstallCaption || question->text != captions_->uninstallQuestion)
    return AssertionFailure() << "unexpected " << question->Describe();
  if (!Answer(*question, IDYES)) return AssertionFailure() << "cannot answer the question";
  return AssertionSuccess();
}

AssertionResult UninstallOnce(const std::string& exe, Sim sim, Language language) {
  Wizard w(language);
  const Captions& t = w.Texts();
  if (auto r = w.StartUninstalling(exe, sim); !r) return r;
  auto done = WaitForBox(w.Id(), 30000);
  if (!done) return AssertionFailure() << "no message after the uninstallation; " << w.Describe();
  if (done->caption != "Pratilo" || done->text != t.uninstallDone)
    return AssertionFailure() << "unexpected " << done->Describe();
  if (!Answer(*done, IDOK)) return AssertionFailure() << "cannot answer the message";
  if (!w.Process().WaitExit(kExitTimeoutMs)) return AssertionFailure() << "the program did not end; " << w.Describe();
  return AssertionSuccess();
}

}  // namespace e2e
