// Every message box of the program goes one way: through the application, with the other windows
// waiting for the answer, and with the icon and caption of its kind.
#include "ui/dialogs/MessageBoxes.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <stdexcept>

#include "support/DialogAnswerer.h"
#include "support/Gui.h"
#include "ui/dialogs/Application.h"
#include "ui/widgets/Form.h"

namespace {

using testing_support::DialogAnswerer;

TEST(MessageBoxes, EachKindShowsItsIconAndCaptionWhileTheOtherWindowsWait) {
  ui::App().Initialize();
  ui::App().SetTitle("Pratilo");
  ui::Form form;
  ASSERT_TRUE(
      form.Create({.className = L"MessageBoxesTest", .name = "fTest", .clientWidth = 200, .clientHeight = 100}));
  form.Show();
  struct Case {
    const char* what;
    std::function<void()> show;
    const wchar_t* caption;
    const wchar_t* icon;  // none: no icon
    int answer;
  };
  const Case cases[] = {
      {"warning", [] { ui::WarningBox("Attention", ""); }, L"Pratilo", IDI_EXCLAMATION, IDOK},
      {"error", [] { ui::ErrorBox("Erreur", "Pratilo.bin"); }, L"Pratilo.bin", IDI_HAND, IDOK},
      {"general error display", [] { ui::App().ShowError(std::make_exception_ptr(std::runtime_error("x"))); },
       L"Pratilo", IDI_HAND, IDOK},
      {"question", [] { ui::MsgBox("Oui ?", "Question", MB_YESNO | MB_ICONQUESTION); }, L"Question", IDI_QUESTION,
       IDYES},
      {"plain", [] { ui::MsgBox("Vous pouvez...", "Désinstallation", MB_YESNO); }, L"Désinstallation", nullptr, IDNO},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    bool formEnabled = true;
    DialogAnswerer answerer(c.caption, std::vector<int>{c.answer},
                            [&](size_t) { formEnabled = IsWindowEnabled(form.Handle()) != FALSE; });
    c.show();
    auto seen = answerer.Finish();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].icon, c.icon ? LoadIconW(nullptr, c.icon) : nullptr);
    EXPECT_FALSE(formEnabled) << "the other windows took input while the box was open";
    EXPECT_TRUE(IsWindowEnabled(form.Handle()));
  }
}

}  // namespace
