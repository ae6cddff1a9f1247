#include "ui/MessageBoxes.h"

#include <string>

#include "core/Environment.h"
#include "core/Utf8.h"
#include "ui/Application.h"
#include "ui/widgets/Form.h"

namespace ui {

namespace {

constexpr UINT kWarningFlags = MB_OK | MB_ICONEXCLAMATION;  // 48
constexpr UINT kErrorFlags = MB_OK | MB_ICONHAND;           // 16

void OwnedBox(std::string_view text, std::string_view caption, UINT flags) {
  std::wstring wideText = core::Widen(text);
  std::wstring wideCaption = core::Widen(caption.empty() ? App().Title() : std::string(caption));
  Form* main = App().MainForm();
  HWND owner = main ? main->Handle() : nullptr;
  // While the main window is still being made it cannot own anything: the box then stands alone.
  if (owner && MessageBoxW(owner, wideText.c_str(), wideCaption.c_str(), flags) != 0) return;
  MessageBoxW(nullptr, wideText.c_str(), wideCaption.c_str(), flags);
}

}  // namespace

int MsgBox(std::string_view text, std::string_view caption, UINT flags) {
  return App().ShowBox(text, caption.empty() ? core::Env().ProgramName : caption, flags);
}

void WarningBox(std::string_view text, std::string_view caption) { OwnedBox(text, caption, kWarningFlags); }

void ErrorBox(std::string_view text, std::string_view caption) { OwnedBox(text, caption, kErrorFlags); }

}  // namespace ui
