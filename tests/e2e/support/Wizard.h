#pragma once
// Drives a running Pratilo.exe through its wizard window, page by page, as a user does: it finds
// the controls by their captions in the interface's language and clicks them.
#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <string>

#include "e2e/support/Process.h"
#include "e2e/support/Windows.h"

namespace e2e {

enum class Language { French, English };
enum class Sim { FS9, FSX };

// The captions a user reads on the wizard, in one language.
struct Captions {
  const char* next;
  const char* previous;
  const char* cancel;
  const char* install;
  const char* ok;
  const char* agree;
  const char* uninstall;
  std::array<const char*, 6> variants;  // the last one is the test grid
  const char* quitQuestion;
  const char* uninstallCaption;
  const char* uninstallQuestion;
  const char* uninstallDone;
};
const Captions& CaptionsIn(Language language);
inline constexpr std::array<const char*, 3> kResolutions = {"1024", "512", "256"};
const char* RadioCaption(Sim sim);

// The pages in the order of the wizard.
enum class Page { None, Presentation, Licence, Variant, Resolution, Summary, Installation };
const char* PageName(Page page);

// What to install: variant 0 to 4, 5 for the test grid; resolution 0 (1024) to 2 (256).
struct Choice {
  Sim sim;
  int variant;
  int resolution;
};

class Wizard {
 public:
  explicit Wizard(Language language = Language::French) : captions_(&CaptionsIn(language)) {}

  // Starts the program and waits until its wizard window is shown and the program waits for input;
  // the time this took goes to `startMs` when given.
  ::testing::AssertionResult Start(const std::string& exe, double* startMs = nullptr);
  ChildProcess& Process() { return process_; }
  DWORD Id() const { return process_.Id(); }
  const Captions& Texts() const { return *captions_; }
  HWND Window() const;

  Page CurrentPage() const;
  ::testing::AssertionResult WaitForPage(Page page, int timeoutMs = 5000) const;
  // A visible button of that caption (radio buttons, check boxes and radio items are buttons too).
  HWND Button(const std::string& caption) const;
  // Clicks a visible, enabled button of that caption.
  ::testing::AssertionResult ClickButton(const std::string& caption) const;
  // The folder field of the summary page (the one edit control of the wizard).
  HWND FolderField() const;
  // The number of lines of the installation page's progress list; -1 when it is not shown.
  int ProgressLines() const;
  // True when a visible control of the window shows exactly this text.
  bool Shows(const std::string& text) const;

  // From the first page to the summary: the simulator, the licence (ticked when it is asked for),
  // the variant and, unless the test grid is chosen, the resolution.
  ::testing::AssertionResult WalkToSummary(const Choice& choice) const;
  // Presses Install on the summary page and waits until the finished page shows its Ok button;
  // the time from the press to the Ok button goes to `elapsedMs` when given.
  ::testing::AssertionResult InstallAndWaitFinished(double* elapsedMs = nullptr, int timeoutMs = 60000) const;
  // Presses Ok on the finished page and waits until the program has ended.
  ::testing::AssertionResult FinishWithOk() const;
  // Starts the program, chooses the simulator on the first page, presses Uninstall and answers Yes
  // to the question: the restoration is then under way.
  ::testing::AssertionResult StartUninstalling(const std::string& exe, Sim sim);
  // Answers Yes to the quit question and waits until the program has ended.
  ::testing::AssertionResult QuitWithYes() const;

  // What the window shows, for failure messages: the page and any open box.
  std::string Describe() const;

 private:
  ::testing::AssertionResult AnswerBox(const char* caption, const char* text, int buttonId) const;

  const Captions* captions_;
  ChildProcess process_;
};

// One full installation run: start, walk, install, Ok, program ended.
::testing::AssertionResult InstallOnce(const std::string& exe, const Choice& choice,
                                       Language language = Language::French, double* installMs = nullptr);
// One full uninstallation run for the simulator: start, choose it, Uninstall, Yes, the message, ended.
::testing::AssertionResult UninstallOnce(const std::string& exe, Sim sim, Language language = Language::French);

}  // namespace e2e
