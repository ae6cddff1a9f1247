#pragma once
// A wizard window for tests: stand-in pictures, its own settings key emptied before and after,
// and a throwaway folder for simulator folders.
#include <functional>
#include <memory>
#include <string>

#include "app/wizard/TfMain.h"
#include "support/RegistryFixture.h"
#include "support/Setups.h"
#include "support/TempFolder.h"
#include "support/Gui.h"

namespace testing_support {

// Pictures of the sizes the program expects, written into a folder (the real artwork is not needed).
void WriteStandInArtwork(const std::string& folder);

class WizardTest {
 public:
  WizardTest();
  // Lets a test change the window's options before it is created.
  explicit WizardTest(const std::function<void(app::TfMain::Options&)>& adjust);
  ~WizardTest();

  app::TfMain& w() { return *window_; }
  // Makes the controls of every page not made yet, as a first visit to each page would.
  void MakeEveryPage();
  // The window moved to a monitor of another DPI, as Windows tells it.
  void ChangeDpi(int dpi);
  const TempFolder& Temp() const { return temp_; }
  // A simulator folder inside the throwaway folder, with the given files; the folder ends in a backslash.
  std::string MakeFolder(const std::string& name, std::initializer_list<const char*> files) const;
  // A user's click on a radio button, radio group item, button or check box.
  static void Click(HWND control);
  // The user's way from the first page to the summary: the simulator, the licence (ticked when it
  // is shown), the variant and, unless it is the test grid, the resolution. Install is then enabled.
  void WalkToSummary(ui::RadioButton& simulator, int variant = 0, int resolution = 0);
  // Where the contact address starts in a text shown by the wizard, as the text counts positions;
  // -1 when it is not there.
  static int MailAddressAt(const ui::RichText& text);

 private:
  TempFolder temp_;
  std::unique_ptr<app::TfMain> window_;
};

}  // namespace testing_support
